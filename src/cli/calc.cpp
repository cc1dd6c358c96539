// quorvane-cli calc: the amounts into the pay sheet's boxes, ADD, and the
// sheet printed; optionally the period saved and posted to the ledger.
#include <optional>

#include "cli/command.h"
#include "cli/ledger_post.h"
#include "cli/sheet_amounts.h"
#include "cli/sheet_output.h"
#include "paysheet/form1.h"

namespace qv::cli {
namespace {

struct CalcOptions {
    SheetAmounts sheet;
    bool savePeriod = false;
    bool json = false;
    std::optional<int> post;
};

CalcOptions& opts() {
    static CalcOptions o;
    return o;
}

std::string validate() {
    CalcOptions& o = opts();
    if (std::string problem = sheetAmountsProblem(o.sheet); !problem.empty()) return problem;
    if (o.post && (*o.post < 1 || *o.post > 53)) return "--post must be a period from 1 to 53.";
    return {};
}

int run(Session& s) {
    const CalcOptions& o = opts();
    // A refused or incomplete calculation is printed with its message; it is
    // neither kept as a period nor posted.
    int status = calculateSheet(s, o.sheet);
    Form1& sheet = s.app->form1();
    if (status == kOk && o.savePeriod && !sheet.cmdSavePrev_Click()) status = kFailed;
    if (status == kOk && o.post) status = postPeriodFromCli(s, *o.post);
    return printSheet(s, o.json, status);
}

Registrar registrar{Command{
    "calc",
    "Type the amounts into the pay sheet, press ADD and print the sheet",
    [](CLI::App& sub) {
        CalcOptions& o = opts();
        addSheetAmountOptions(sub, o.sheet);
        sub.add_flag("--save-period", o.savePeriod, "Then press \"Save This Pay Period\"");
        sub.add_option("--post", o.post, "Then post the period into this row of the year ledger and save it");
        sub.add_flag("--json", o.json, "Print the sheet as one JSON object");
    },
    validate,
    run,
}};

}  // namespace
}  // namespace qv::cli
