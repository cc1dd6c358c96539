// Where the print commands send their output: --out FILE (a PDF when FILE
// ends in ".pdf", the character grid when it ends in ".txt") or --printer
// NAME (a system printer).
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <string>

#include "cli/command.h"
#include "cli/sheet_amounts.h"
#include "platform/printer.h"

namespace qv::cli {

struct PrintTarget {
    std::string out;
    std::string printerName;
};

// Declares --out and --printer on a print command.
void addPrintTargetOptions(CLI::App& sub, PrintTarget& target);
// A usage message, or empty when exactly one target is given and usable.
std::string printTargetProblem(const PrintTarget& target);
// Why this build cannot print to the target (a PDF or a printer without the
// desktop), or empty.
std::string printTargetUnavailable(const PrintTarget& target);

// The printer of one command run: opened before the command prints, finished
// after it (the ".txt" file is written then).
class OpenedPrinter {
public:
    // Opens the target and sets session.app->printer. On failure returns
    // nothing after telling why on stderr.
    static std::unique_ptr<OpenedPrinter> open(Session& session, const PrintTarget& target);
    virtual ~OpenedPrinter() = default;
    // Completes the output; returns an exit status.
    virtual int finish() = 0;
    // True when at least one document reached the output.
    virtual bool printed() const = 0;

protected:
    OpenedPrinter() = default;
};

// The print commands of the pay sheet (stub, check): opens the target, types
// the amounts and presses ADD, then runs `print` when the calculation is
// whole; the program's messages follow on stderr. Returns the exit status.
int calculateAndPrint(Session& session, const SheetAmounts& amounts, const PrintTarget& target,
                      const std::function<void(App&)>& print);
// Their usage check: the amounts, then the target.
std::string calculateAndPrintProblem(SheetAmounts& amounts, const PrintTarget& target);

}  // namespace qv::cli
