#include "cli/sheet_amounts.h"

#include <sstream>
#include <vector>

#include "common/key_filter.h"
#include "common/messages.h"
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
    for (std::size_t i = 0; i < parts.size(); ++i) a.boxes[i] = parts[i];
    return {};
}

namespace {

// What a script types must be what a user could type and mean: only the
// characters the box takes, and a number (or nothing). "abc", "$5", "1e30"
// or "--5" are refused rather than read as 0 or as something else.
bool typedAmountIsNumber(const std::string& text) {
    if (text.find_first_not_of(" ") == std::string::npos) return true;
    for (char c : text)
        if (!numericKeyAccepted(c)) return false;
    return convertNumber(text).has_value();
}

}  // namespace

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
    for (const std::string& typed : a.boxes) {
        if (!typedAmountIsNumber(typed)) {
            app.ui().message(kNonNumeric);
            return kFailed;
        }
    }
    // A refused calculation saved nothing; one that showed a failure must not
    // be posted, kept or printed as if it were whole. A file found damaged
    // when the program started (the settings it calculates with) counts too.
    const CalcOutcome outcome = sheet.cmdCal_Click();
    return outcome == CalcOutcome::Done && app.damagedFilesSeen() == 0 ? kOk : kFailed;
}

}  // namespace qv::cli
