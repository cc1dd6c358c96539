#include "local/local_tax.h"

#include <array>

#include "common/numbers.h"
#include "paysheet/app.h"

namespace qv {

namespace {

// Rows 1 to 8 take part in both the city and the non-resident computation;
// the city tables' rows 9 and 10 never do.
constexpr int kTaxedRows = 8;

// The bracket row a wage falls in: a row applies when its minimum is at most
// the wage and the next row's minimum is above it (the last taxed row has no
// upper bound). Every row is tested and a later match overwrites an earlier
// one, so with minimums out of order the highest matching row wins. -1 when
// no row applies. `divisor` is 2 for weekly pay (halving is exact in binary).
template <std::size_t N>
int bracketRow(const std::array<float, N>& minimums, float wage, float divisor) {
    static_assert(N >= kTaxedRows);
    const long double w = ext(wage);
    auto minOf = [&](int r) { return ext(minimums[r]) / ext(divisor); };
    int match = -1;
    for (int r = 0; r < kTaxedRows - 1; ++r)
        if (w >= minOf(r) && w < minOf(r + 1)) match = r;
    if (w >= minOf(kTaxedRows - 1)) match = kTaxedRows - 1;
    return match;
}

// No withholding is ever negative: what the table would make negative is
// withheld as 0.
NumOrText withheld(long double tax) { return NumOrText(sgl(tax < 0 ? 0.0L : tax)); }

}  // namespace

void GetLocalTax(App& app) {
    PayPeriod& p = app.period;
    const EmployeeProfile& e = app.profile;
    p.LocalTax = NumOrText(0.0f);
    if (!e.BiWeekly && !e.Weekly) return;
    if (e.NonCity == 1) {
        GetNonCityTax(app);
        return;
    }

    const CityTaxTables& t = app.city;
    const bool single = e.StateStatus == "Single";
    const auto& mins = single ? t.CityMinBS : t.CityMinBM;
    const auto& amts = single ? t.CityAmtBS : t.CityAmtBM;
    const auto& pers = single ? t.CityPerBS : t.CityPerBM;

    // Tables and allowances are entered for bi-weekly pay.
    const float divisor = e.BiWeekly ? 1.0f : 2.0f;
    p.CityWage = sgl(ext(p.TaxableWages) - ext(p.LocalExemption) / ext(divisor));
    const int r = bracketRow(mins, p.CityWage, divisor);
    if (r < 0) return;
    p.LocalTax = withheld((ext(p.CityWage) - ext(mins[r]) / ext(divisor)) * ext(pers[r]) +
                          ext(amts[r]) / ext(divisor));
}

void GetNonCityTax(App& app) {
    PayPeriod& p = app.period;
    const EmployeeProfile& e = app.profile;
    const NonCityTable& t = app.nonCity;
    if (!e.BiWeekly && !e.Weekly) return;
    const auto& mins = e.BiWeekly ? t.NonMinBi : t.NonMinWk;
    const auto& exps = e.BiWeekly ? t.NonExpBi : t.NonExpWk;

    const float w = p.TaxableWages;
    const int r = bracketRow(mins, w, 1.0f);
    if (r >= 0) p.LocalExemption = exps[r];
    p.LocalTax = withheld((ext(w) - ext(p.LocalExemption)) * ext(t.NonPer));
}

}  // namespace qv
