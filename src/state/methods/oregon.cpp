// Oregon: gross pay less the federal tax withheld (up to a cap) and a
// standard deduction, through a three-row table, less a credit per allowance.
// The preset writes the figures of the employee's own pay frequency, so the
// method halves nothing.
#include <string_view>

#include "state/bracket_table.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
void GetOregonTax(const StateMethodInput& in, PayPeriod& p) {
    const EmployeeProfile& e = in.profile;
    const StateTaxSettings& s = in.state;

    // The federal deduction is capped; the standard deduction depends on the
    // exact status text (any other text deducts nothing).
    const bool biWeekly = methods::biWeeklyPay(in.profile);
    const double fedCap = biWeekly ? 251.92 : 125.96;
    const double singleDeduction = biWeekly ? 83.65 : 41.83;
    const double marriedDeduction = biWeekly ? 167.31 : 83.65;
    float wage = p.FedTax <= static_cast<float>(fedCap) ? sgl(ext(p.GrossPay) - ext(p.FedTax))
                                                        : sgl(ext(p.GrossPay) - fedCap);
    if (e.StateStatus == "Single")
        wage = sgl(ext(wage) - singleDeduction);
    else if (e.StateStatus == "Married")
        wage = sgl(ext(wage) - marriedDeduction);
    p.StateWage = wage;

    // Single filers with three or more allowances are taxed as married.
    const bool singleTable = e.StateStatus == "Single" && e.StateExemptions < 3;
    const BracketColumns table = singleTable ? BracketColumns{s.StateMinBS, s.StateAmtBS, s.StatePerBS}
                                             : BracketColumns{s.StateMinBM, s.StateAmtBM, s.StatePerBM};
    const int n = methods::entryFor(e.StateExemptions);
    const float credit = singleTable ? s.StateSgExp[n] : s.StateMarExp[n];

    walkBrackets(table, 3, wage, false, [&](const BracketRow& row) {
        // The first row is below the taxable threshold.
        if (row.index == 0)
            p.StateTax = 0.0f;
        else
            p.StateTax = sgl(excessTax(row, wage) - ext(credit));
    });
}

}  // namespace qv
