// Kentucky: a graduated computation over the dialog's tables read its own
// way: each row's minimum is the upper end of a bracket, the amount column
// holds the standard deduction, the rate column the bracket's rate, and the
// allowance columns a tax credit per exemption. The preset writes the
// figures of the employee's own pay frequency; the method halves nothing.
#include <array>
#include <string_view>

#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
void GetKentuckyTax(const StateMethodInput& in, PayPeriod& p) {
    const StateTaxSettings& s = in.state;
    const bool single = in.profile.StateStatus == "Single";
    // Rows 1 to 6 at indices 1 to 6; index 0 unused so the rows read as numbered.
    const auto& amount = single ? s.StateAmtBS : s.StateAmtBM;
    const auto& max = single ? s.StateMinBS : s.StateMinBM;
    const auto& rate = single ? s.StatePerBS : s.StatePerBM;
    auto A = [&](int r) { return amount[r - 1]; };
    auto M = [&](int r) { return max[r - 1]; };
    auto P = [&](int r) { return rate[r - 1]; };

    const long double g = ext(p.GrossPay);
    const long double credit =
        ext(single ? s.StateSgExp[methods::entryFor(in.profile.StateExemptions)]
                   : s.StateMarExp[methods::entryFor(in.profile.StateExemptions)]);
    // The wage after row r's deduction, as the single the tests compare.
    auto wageAfter = [&](int r) { return sgl(g - ext(A(r))); };
    // Tax on the full brackets 1 to k.
    auto fullBrackets = [&](int k) {
        long double b = ext(M(1)) * ext(P(1));
        for (int r = 2; r <= k; ++r) b += (ext(M(r)) - ext(M(r - 1))) * ext(P(r));
        return b;
    };
    // Row r >= 2: the full brackets below it plus its rate on the rest.
    auto rowTax = [&](int r) {
        return fullBrackets(r - 1) + (g - ext(A(r)) - ext(M(r - 1))) * ext(P(r)) - credit;
    };

    if (wageAfter(1) <= M(1)) p.StateTax = sgl((g - ext(A(1))) * ext(P(1)) - credit);
    if (wageAfter(1) > M(1) && wageAfter(2) <= M(2)) p.StateTax = sgl(rowTax(2));
    if (wageAfter(2) > M(2) && wageAfter(3) <= M(3)) p.StateTax = sgl(rowTax(3));
    if (wageAfter(1) > M(3) && wageAfter(1) <= M(4)) p.StateTax = sgl(rowTax(4));
    if (wageAfter(1) > M(4)) p.StateTax = sgl(rowTax(5));
    if (wageAfter(1) > M(5)) p.StateTax = sgl(rowTax(6));
}

}  // namespace qv
