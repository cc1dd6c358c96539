// Posting the calculated pay period into the year ledger from the command
// line (`calc ... --post N`).
#pragma once

#include <string>

#include "cli/command.h"

namespace qv::cli {

// The reason a period number cannot be posted into for this frequency (1 to
// 53 weekly, 1 to 27 bi-weekly), or empty when it can.
std::string postPeriodProblem(bool weekly, int period);

// Opens the ledger as the pay sheet does, posts the pay sheet's current
// period into period N (1-based) and closes the ledger with Yes. Returns the
// exit status: kUsage for a period outside the ledger, kFailed when the year
// file could not be written.
int postPeriodFromCli(Session& session, int period);

}  // namespace qv::cli
