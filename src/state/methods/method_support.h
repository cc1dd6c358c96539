// What the state presets and methods share beyond the bracket walker: the pay
// frequency they read, a safe entry of the ten-entry allowance columns, and
// the text of a figure a preset writes into a box.
#pragma once

#include <string>

#include "common/format.h"
#include "paysheet/model.h"

namespace qv::methods {

// The employee's pay frequency options. Both can be off in a hand-made
// profile; each method says what it does then.
inline bool biWeeklyPay(const EmployeeProfile& e) { return e.BiWeekly; }
inline bool weeklyPay(const EmployeeProfile& e) { return e.Weekly; }

// The allowance columns hold entries 0 to 9. An exemption count can reach a
// method from a hand-edited file or a direct call with any value; it picks
// the nearest entry instead of reading past the table.
inline int entryFor(int count) { return count < 0 ? 0 : (count > 9 ? 9 : count); }

// A preset figure that grows with the entry, as box text ("3.79" x 3 -> "11.37").
inline std::string multipleText(double step, int n) { return plainNumber(step * n); }

}  // namespace qv::methods
