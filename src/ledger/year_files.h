// The employee's year ledger file (".yrw" or ".yrb") and the ledger windows
// that show the record.
#pragma once

#include <string>

#include "ledger/year_ledger.h"

namespace qv {

class App;

// The file name of the current employee's ledger for a frequency.
std::string annualFileName(const App& app, bool weekly);

// True when the ledger file of that frequency can be opened for reading.
bool AnnualExists(const App& app, bool weekly);

// Recomputes every year sum from the rows and shows them on the totals
// window. Shows "CHECK YOUR ENTRY FOR NON NUMBER TYPE" when an amount is out
// of range.
void AddAnnual(App& app);

// Recomputes the sums (refreshing the totals window), then reads the file of
// the current frequency when one exists and shows the rows on the ledger
// grid. A damaged file is reported, the record keeps what it held and false
// is returned.
bool LoadAnnual(App& app);

// Recomputes the sums and writes the file of the current frequency
// atomically. Callers copy the grid into the record first (`Update`).
// Returns false (after telling the user) when the file cannot be written.
bool SaveAnnual(App& app);

}  // namespace qv
