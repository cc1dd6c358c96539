// The pay stub of the period on the pay sheet.
#pragma once

#include "platform/printer.h"
#include "printing/print_sources.h"

namespace qv {

class App;

// The pay sheet's "Print Sheet" and print button: the printer choice, then
// PrintText. A cancel ends it silently.
void printPayStubCommand(App& app);

// Reloads the profile and the ledger, fills empty amount boxes with "0",
// shows the printer choice, loads the heading and prints the stub on
// app.printer. Returns true when a stub was printed.
bool PrintText(App& app);

// The layout alone, line by line.
void printPayStubLayout(platform::Printer& printer, const StubData& d);

}  // namespace qv
