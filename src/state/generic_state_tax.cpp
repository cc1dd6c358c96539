#include "state/generic_state_tax.h"

#include "state/bracket_table.h"

namespace qv {

void GetStateTax(const StateMethodInput& in, PayPeriod& pp) {
    const StateTaxSettings& s = in.state;
    const EmployeeProfile& p = in.profile;
    const BracketColumns table = stateTableFor(s, p.StateStatus);

    float tax = pp.StateTax.isEmpty() ? 0.0f : static_cast<float>(pp.StateTax.number());
    const bool walk = p.BiWeekly || p.Weekly;
    if (walk) {
        // Weekly pay halves the allowance but not the cafeteria amount.
        const bool weekly = !p.BiWeekly;
        const long double allowance = weekly ? ext(pp.StateExemption) / 2 : ext(pp.StateExemption);
        pp.StateWage = sgl(ext(pp.TaxableWages) - allowance - ext(pp.CafeState));
        walkBrackets(table, 10, pp.StateWage, weekly,
                     [&](const BracketRow& row) { tax = sgl(excessTax(row, pp.StateWage)); });
    }
    pp.StateTax = sgl(ext(tax) - ext(s.CalAllow));
}

}  // namespace qv
