// quorvane-cli ledger-print: the employee's year ledger on paper.
#include "cli/print_target.h"
#include "printing/ledger_print.h"

namespace qv::cli {
namespace {

PrintTarget target;

int run(Session& session) {
    auto printer = OpenedPrinter::open(session, target);
    if (!printer) return kFailed;
    PrintYr(*session.app);
    reportMessages(session);
    return printer->finish();
}

const Registrar registrar{Command{
    "ledger-print",
    "Print the employee's year ledger (landscape)",
    [](CLI::App& sub) { addPrintTargetOptions(sub, target); },
    [] { return printTargetProblem(target); },
    run,
}};

}  // namespace
}  // namespace qv::cli
