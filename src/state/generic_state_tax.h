// The generic state method: the editable bracket tables of the state settings.
#pragma once

#include "state/state_methods.h"

namespace qv {

// The wage less the allowance (and the cafeteria amount) run through the
// single or married table of the state settings, less "California Exempt
// Allowance". Writes StateWage and StateTax (a single).
void GetStateTax(const StateMethodInput& in, PayPeriod& p);

}  // namespace qv
