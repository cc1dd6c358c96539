// North Carolina: the allowance and "California Exempt Allowance" come off the
// wage first; the rate of the row the wage falls in applies to the whole wage
// and the row's amount is subtracted from the product.
#include <array>
#include <string_view>

#include "state/bracket_table.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
void GetNCTax(const StateMethodInput& in, PayPeriod& p) {
    const StateTaxSettings& s = in.state;
    const BracketColumns table = stateTableFor(s, in.profile.StateStatus);

    // Only the allowance is halved for weekly pay; "California Exempt
    // Allowance" and the cafeteria amount come off in full.
    auto run = [&](bool weekly) {
        const long double allowance = weekly ? ext(p.StateExemption) / 2 : ext(p.StateExemption);
        const float wage = sgl(ext(p.TaxableWages) - ext(s.CalAllow) - allowance - ext(p.CafeState));
        p.StateWage = wage;
        walkBrackets(table, 10, wage, weekly, [&](const BracketRow& row) {
            p.StateTax = sgl(ext(wage) * ext(row.rate) - ext(row.amount));
        });
    };
    if (methods::biWeeklyPay(in.profile)) run(false);
    if (methods::weeklyPay(in.profile)) run(true);
}

}  // namespace qv
