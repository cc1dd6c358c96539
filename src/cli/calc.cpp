// quorvane-cli calc: the amounts into the pay sheet's boxes, ADD, and the
// sheet printed; optionally the period saved and posted to the ledger.
#include <optional>
#include <sstream>

#include "cli/command.h"
#include "cli/ledger_post.h"
#include "cli/sheet_output.h"
#include "common/numbers.h"
#include "paysheet/form1.h"

namespace qv::cli {
namespace {

struct CalcOptions {
    std::string amounts;
    bool ot2x = false;
    bool louisianaPrior = false;
    bool savePeriod = false;
    bool json = false;
    std::optional<int> post;
    std::vector<std::string> boxes;
};

CalcOptions& opts() {
    static CalcOptions o;
    return o;
}

std::string validate() {
    CalcOptions& o = opts();
    o.boxes.assign(8, std::string());
    if (o.amounts.empty()) return {};
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(o.amounts);
    while (std::getline(in, part, ',')) parts.push_back(part);
    if (!o.amounts.empty() && o.amounts.back() == ',') parts.emplace_back();
    if (parts.size() > 8) return "--amounts takes at most eight amounts, separated by commas.";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string& t = parts[i];
        // What the box itself would take: any amount, or a text worth 0.
        if (valueOf(t) != 0 && !convertNumber(t))
            return "--amounts: \"" + t + "\" (box " + std::to_string(i) + ") is not a number.";
        o.boxes[i] = t;
    }
    if (o.post && (*o.post < 1 || *o.post > 53)) return "--post must be a period from 1 to 53.";
    return {};
}

int run(Session& s) {
    const CalcOptions& o = opts();
    App& app = *s.app;
    Form1& sheet = app.form1();
    for (std::size_t i = 0; i < 8; ++i) sheet.txtAmount[i] = o.boxes[i];
    if (o.ot2x) {
        sheet.opt1x = false;
        sheet.opt2x = true;
    }
    if (o.louisianaPrior) sheet.ckLouisPrior = 1;
    sheet.cmdCal_Click();
    int status = kOk;
    if (o.savePeriod && !sheet.cmdSavePrev_Click()) status = kFailed;
    if (status == kOk && o.post) status = postPeriodFromCli(s, *o.post);
    return printSheet(s, o.json, status);
}

Registrar registrar{Command{
    "calc",
    "Type the amounts into the pay sheet, press ADD and print the sheet",
    [](CLI::App& sub) {
        CalcOptions& o = opts();
        sub.add_option("--amounts", o.amounts,
                       "The eight amount boxes, separated by commas (straight time 1, straight time 2, O.T., "
                       "O.T. 1.5X, holiday, vacation-sick, dollars, tips hours); missing ones stay empty");
        sub.add_flag("--ot2x", o.ot2x, "Pay the O.T. box at double rate (2X)");
        sub.add_flag("--louisiana-prior", o.louisianaPrior, "Check \"Louisiana- Prior to July 1\"");
        sub.add_flag("--save-period", o.savePeriod, "Then press \"Save This Pay Period\"");
        sub.add_option("--post", o.post, "Then post the period into this row of the year ledger and save it");
        sub.add_flag("--json", o.json, "Print the sheet as one JSON object");
    },
    validate,
    run,
}};

}  // namespace
}  // namespace qv::cli
