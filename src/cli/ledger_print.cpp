// quorvane-cli ledger-print: the employee's year ledger on paper.
#include "cli/print_target.h"
#include "cli/report.h"
#include "ledger/mdi_form1.h"
#include "printing/ledger_print.h"

namespace qv::cli {
namespace {

PrintTarget target;

int run(Session& session) {
    auto printer = OpenedPrinter::open(session, target);
    if (!printer) return kFailed;
    // The ledger prints from its open screen, whose opening loads the year
    // and recomputes its sums.
    openYearLedger(*session.app);
    PrintYr(*session.app);
    reportMessages(session.ui);
    return printer->finish();
}

const Registrar registrar{Command{
    "ledger-print",
    "Print the employee's year ledger (landscape)",
    [](CLI::App& sub) { addPrintTargetOptions(sub, target); },
    [] { return printTargetProblem(target); },
    run,
    true,
    [] { return printTargetUnavailable(target); },
}};

}  // namespace
}  // namespace qv::cli
