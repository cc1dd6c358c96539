// The generic state method (the editable bracket table) and the driver's
// choice of state methods.
#pragma once

namespace qv {

class App;

// The wage less the allowance (and the cafeteria amount) run through the
// single or married table of StateTaxSettings, less "California Exempt
// Allowance". Writes period.StateWage and period.StateTax (a single).
void GetStateTax(App& app);

// Runs, in the fixed order, every state method whose flag is set in
// StateTaxSettings (several flags run several methods); the generic table
// when none is set. Louisiana takes the pay sheet's "Louisiana- Prior to
// July 1" box into account. "Arizona" has no method of its own.
void RunStateMethods(App& app);

}  // namespace qv
