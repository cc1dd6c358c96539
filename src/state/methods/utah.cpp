// Utah: the rate of the row the wage falls in applies to the whole wage, and
// the picked allowance is a credit, except in the top row, which gets none.
#include <array>
#include <string_view>

#include "state/bracket_table.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
void GetUtahTax(const StateMethodInput& in, PayPeriod& p) {
    const StateTaxSettings& s = in.state;

    const float wage = sgl(ext(p.TaxableWages) - ext(p.CafeState));
    p.StateWage = wage;

    auto onRow = [&](const BracketRow& row) {
        p.StateTax = sgl(ext(wage) * ext(row.rate) + ext(row.amount));
        // The top row gets no credit.
        if (row.top) p.StateExemption = 0;
    };
    const BracketColumns table = stateTableFor(s, in.profile.StateStatus);
    if (methods::biWeeklyPay(in.profile)) walkBrackets(table, kUtahRowsUsed, wage, false, onRow);
    if (methods::weeklyPay(in.profile)) walkBrackets(table, kUtahRowsUsed, wage, true, onRow);

    p.StateTax = sgl(p.StateTax.number() - ext(p.StateExemption));
}

}  // namespace qv
