// The pay sheet's amounts from the command line (calc, stub, check): the
// eight boxes, the (2X) option and the Louisiana box, typed in, then ADD.
#pragma once

#include <CLI/CLI.hpp>

#include <array>
#include <string>

#include "cli/command.h"

namespace qv::cli {

struct SheetAmounts {
    std::string amounts;
    bool ot2x = false;
    bool louisianaPrior = false;
    std::array<std::string, 8> boxes{};
};

// Declares --amounts, --ot2x and --louisiana-prior.
void addSheetAmountOptions(CLI::App& sub, SheetAmounts& a);
// Splits --amounts into the eight boxes; a usage message, or empty when fine.
std::string sheetAmountsProblem(SheetAmounts& a);
// Types the boxes into the pay sheet and presses ADD. Returns kOk, or
// kFailed when an amount is not a number (the sheet's message is shown and
// nothing is calculated) or the calculation refused or showed a failure.
int calculateSheet(Session& session, const SheetAmounts& a);

}  // namespace qv::cli
