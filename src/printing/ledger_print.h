// The year ledger on paper: one line per pay period with the year's totals,
// landscape.
#pragma once

#include <string>

#include "platform/printer.h"

namespace qv {

class App;

// Prints the ledger in memory on app.printer (the printer choice was made by
// the ledger window's Print command).
void PrintYr(App& app);

// A row amount as the ledger print shows it: its plain decimal text of up to
// 7 significant digits, a blank (or the minus sign) before it and a blank after
// (" 12.5 ", " .5 ", "-3 ").
std::string ledgerPrintNumber(float v);

}  // namespace qv
