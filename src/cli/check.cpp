// quorvane-cli check: calculate the period, then print its check with the
// two stub copies, as the check window's "Print Check" does. --horz and
// --vert choose the offsets as the offset dialog does, and are saved with
// the employee's profile.
#include <optional>

#include "cli/print_target.h"
#include "printing/dlg_print_set.h"
#include "printing/frm_checks.h"

namespace qv::cli {
namespace {

SheetAmounts amounts;
PrintTarget target;
std::optional<int> horz;
std::optional<int> vert;

std::string offsetText(int v) { return v > 0 ? "+" + std::to_string(v) : std::to_string(v); }

int run(Session& session) {
    return calculateAndPrint(session, amounts, target, [](App& app) {
        app.frmChecks().show();
        DlgPrintSet& offsets = app.dlgPrintSet();
        offsets.show();
        if (horz) offsets.cboHorz = offsetText(*horz);
        if (vert) offsets.cboVert = offsetText(*vert);
        offsets.cmdPrint_Click();
    });
}

const Registrar registrar{Command{
    "check",
    "Calculate the pay period and print its check with two stub copies",
    [](CLI::App& sub) {
        addSheetAmountOptions(sub, amounts);
        sub.add_option("--horz", horz, "Horizontal offset in tab columns, -5 to +5 (saved with the profile)")
            ->check(CLI::Range(-5, 5));
        sub.add_option("--vert", vert, "Vertical offset in lines, -5 to +5 (saved with the profile)")
            ->check(CLI::Range(-5, 5));
        addPrintTargetOptions(sub, target);
    },
    [] { return calculateAndPrintProblem(amounts, target); },
    run,
    true,
    [] { return printTargetUnavailable(target); },
}};

}  // namespace
}  // namespace qv::cli
