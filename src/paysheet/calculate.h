// The pay sheet's calculation: the amount boxes in, gross pay, every tax and
// deduction and net pay out, shown on the sheet, and the employee saved.
#pragma once

namespace qv {

class App;

inline constexpr const char* kNonNumeric = "You have entered a NON numerial.";

// The add button. Checks every amount box first: a text that is not a number
// shows kNonNumeric and changes nothing.
void Calcu_late(App& app);

// The computation alone (the driver's steps from the pay rate to the totals),
// on records and settings already prepared; reads and writes no file. Returns
// false, changing nothing, when an amount box is not a number.
bool computePayPeriod(App& app);

// True when every amount box holds a number (a box whose value is 0, such as
// "", "-" or ".", counts as 0).
bool amountBoxesAreNumbers(App& app);

void Clear_All(App& app);
// Empties every amount box whose value is 0.
void CleartxtBox(App& app);
// The state settings' SDI, SUI, adjustment and allowance boxes that are empty become "0".
void FillBlankStateFields(App& app);

}  // namespace qv
