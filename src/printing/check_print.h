// The check on pre-printed check stock with two stub copies below it, shifted
// by the user's printer offsets.
#pragma once

#include <string>

#include "platform/printer.h"
#include "printing/print_sources.h"

namespace qv {

class App;

// The check window's boxes as they print.
struct CheckFace {
    std::string date, payTo, amount, words, name, ssn, address, cityStateZip, memo;
};

// Prints the check of the period on app.printer, with the offsets chosen in
// the offset dialog; no printer choice is shown. Returns true when printed.
bool PrintCheck(App& app);

// The layout alone: `horz` shifts every column, `vert` is the vertical
// choice + 3 (a negative value gives no blank line before the date).
void printCheckLayout(platform::Printer& printer, const CheckFace& face, const StubData& d, int horz, int vert);

}  // namespace qv
