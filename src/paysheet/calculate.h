// The pay sheet's calculation: the amount boxes in, gross pay, every tax and
// deduction and net pay out, shown on the sheet, and the employee saved.
#pragma once

namespace qv {

class App;

// How a calculation ended.
enum class CalcOutcome {
    // Nothing was computed or saved: an amount that is not a number or is
    // beyond what a pay period can hold. Its message was shown.
    Refused,
    // Computed and shown, but a failure was shown on the way (federal tables
    // missing or damaged, an exemption count out of range, a file that could
    // not be saved): the period must not be posted or kept as it is.
    Incomplete,
    Done,
};

// The add button. Checks every amount box first: a text that is not a number
// shows kNonNumeric and changes nothing. A computation refused on the way (a
// gross pay beyond the currency range) shows kNonNumeric and saves nothing.
CalcOutcome Calcu_late(App& app);

// The computation alone (the driver's steps from the pay rate to the totals),
// on records and settings already prepared; reads and writes no file. Returns
// false when an amount box is not a number (changing nothing) or the gross
// pay leaves the currency range.
bool computePayPeriod(App& app);

// True when every amount box holds a number within what a pay period can
// hold (a box whose value is 0, such as "", "-" or ".", counts as 0), and
// the state settings' adjustment and allowance boxes hold singles.
bool amountBoxesAreNumbers(App& app);

void Clear_All(App& app);
// Empties every amount box whose value is 0.
void CleartxtBox(App& app);
// The state settings' SDI, SUI, adjustment and allowance boxes that are empty become "0".
void FillBlankStateFields(App& app);

}  // namespace qv
