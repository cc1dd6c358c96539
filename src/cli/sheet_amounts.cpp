#include "cli/sheet_amounts.h"

#include <sstream>
#include <vector>

#include "common/numbers.h"
#include "paysheet/calculate.h"
#include "paysheet/form1.h"

namespace qv::cli {

void addSheetAmountOptions(CLI::App& sub, SheetAmounts& a) {
    sub.add_option("--amounts", a.amounts,
                   "The eight amount boxes, separated by commas (straight time 1, straight time 2, O.T., "
                   "O.T. 1.5X, holiday, vacation-sick, dollars, tips hours); missing ones stay empty");
    sub.add_flag("--ot2x", a.ot2x, "Pay the O.T. box at double rate (2X)");
    sub.add_flag("--louisiana-prior", a.louisianaPrior, "Check \"Louisiana- Prior to July 1\"");
}

std::string sheetAmountsProblem(SheetAmounts& a) {
    a.boxes = {};
    if (a.amounts.empty()) return {};
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(a.amounts);
    while (std::getline(in, part, ',')) parts.push_back(part);
    if (a.amounts.back() == ',') parts.emplace_back();
    if (parts.size() > a.boxes.size()) return "--amounts takes at most eight amounts, separated by commas.";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        // What the box itself would take: any amount, or a text worth 0.
        if (valueOf(parts[i]) != 0 && !convertNumber(parts[i]))
            return "--amounts: \"" + parts[i] + "\" (box " + std::to_string(i) + ") is not a number.";
        a.boxes[i] = parts[i];
    }
    return {};
}

int calculateSheet(Session& session, const SheetAmounts& a) {
    App& app = *session.app;
    Form1& sheet = app.form1();
    sheet.ensureLoaded();
    sheet.txtAmount = a.boxes;
    if (a.ot2x) {
        sheet.opt1x = false;
        sheet.opt2x = true;
    }
    if (a.louisianaPrior) sheet.ckLouisPrior = 1;
    if (!amountBoxesAreNumbers(app)) {
        sheet.cmdCal_Click();  // shows the pay sheet's own message
        return kFailed;
    }
    sheet.cmdCal_Click();
    return kOk;
}

}  // namespace qv::cli
