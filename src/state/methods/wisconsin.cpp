// Wisconsin: the bracket tables walked like the generic ones, with two
// differences of its own: "California Exempt Allowance" lowers the wage, and
// the picked allowance is a credit taken off the tax. Two presets fill the
// tables: the rates before 4/1/14 and the current ones.
#include <array>
#include <string_view>

#include "state/bracket_table.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {

void GetWisconsinTax(const StateMethodInput& in, PayPeriod& p) {
    const StateTaxSettings& s = in.state;
    const bool biWeekly = methods::biWeeklyPay(in.profile);

    const float wage = sgl(ext(p.TaxableWages) - ext(s.CalAllow) - ext(p.CafeState));
    p.StateWage = wage;

    auto onRow = [&](const BracketRow& row) { p.StateTax = sgl(excessTax(row, wage)); };
    const BracketColumns table = stateTableFor(s, in.profile.StateStatus);
    if (biWeekly) walkBrackets(table, 10, wage, false, onRow);
    if (methods::weeklyPay(in.profile)) walkBrackets(table, 10, wage, true, onRow);

    const long double credit = biWeekly ? ext(p.StateExemption) : ext(p.StateExemption) / 2;
    p.StateTax = sgl(p.StateTax.number() - credit);
}

}  // namespace qv
