// The check window's amount in words and in figures, from the pay sheet's net pay.
#pragma once

#include <string>

namespace qv {

class App;

// Fills the check window's pay-to, employee and words boxes from the profile
// and the net pay; sets and returns the check words.
std::string FillCheckWords(App& app);
// A negative net pay becomes 0 (the period's value itself); returns the figures.
std::string FillCheckFigures(App& app);

}  // namespace qv
