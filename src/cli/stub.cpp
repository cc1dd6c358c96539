// quorvane-cli stub: calculate the period, then print its pay stub.
#include "cli/sheet_amounts.h"
#include "cli/print_target.h"
#include "printing/pay_stub.h"

namespace qv::cli {
namespace {

SheetAmounts amounts;
PrintTarget target;

int run(Session& session) {
    auto printer = OpenedPrinter::open(session, target);
    if (!printer) return kFailed;
    int status = calculateSheet(session, amounts);
    if (status == kOk) printPayStubCommand(*session.app);
    reportMessages(session);
    if (status != kOk) return status;
    return printer->finish();
}

const Registrar registrar{Command{
    "stub",
    "Calculate the pay period and print its pay stub",
    [](CLI::App& sub) {
        addSheetAmountOptions(sub, amounts);
        addPrintTargetOptions(sub, target);
    },
    [] {
        std::string problem = sheetAmountsProblem(amounts);
        return problem.empty() ? printTargetProblem(target) : problem;
    },
    run,
    true,
    [] { return printTargetUnavailable(target); },
}};

}  // namespace
}  // namespace qv::cli
