// quorvane-cli stub: calculate the period, then print its pay stub.
#include "cli/print_target.h"
#include "printing/pay_stub.h"

namespace qv::cli {
namespace {

SheetAmounts amounts;
PrintTarget target;

int run(Session& session) { return calculateAndPrint(session, amounts, target, printPayStubCommand); }

const Registrar registrar{Command{
    "stub",
    "Calculate the pay period and print its pay stub",
    [](CLI::App& sub) {
        addSheetAmountOptions(sub, amounts);
        addPrintTargetOptions(sub, target);
    },
    [] { return calculateAndPrintProblem(amounts, target); },
    run,
    true,
    [] { return printTargetUnavailable(target); },
}};

}  // namespace
}  // namespace qv::cli
