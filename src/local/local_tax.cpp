#include "local/local_tax.h"

#include <algorithm>
#include <array>

#include "common/numbers.h"
#include "state/bracket_table.h"

namespace qv {

namespace {

// Rows 1 to 8 take part in both the city and the non-resident computation;
// the city tables' rows 9 and 10 never do.
constexpr int kTaxedRows = 8;

// No withholding is ever negative: what the table would make negative is
// withheld as 0.
NumOrText withheld(long double tax) { return NumOrText(sgl(tax < 0 ? 0.0L : tax)); }

}  // namespace

void GetLocalTax(const EmployeeProfile& e, const CityTaxTables& t, const NonCityTable& nonCity, PayPeriod& p) {
    p.LocalTax = NumOrText(0.0f);
    if (!e.BiWeekly && !e.Weekly) return;
    if (e.NonCity == 1) {
        GetNonCityTax(e, nonCity, p);
        return;
    }

    const bool single = e.StateStatus == "Single";
    const BracketColumns table = single ? BracketColumns{t.CityMinBS, t.CityAmtBS, t.CityPerBS}
                                        : BracketColumns{t.CityMinBM, t.CityAmtBM, t.CityPerBM};
    // Tables and allowances are entered for bi-weekly pay; weekly pay halves
    // every minimum (row 1's too), amount and the allowance.
    const bool weekly = !e.BiWeekly;
    p.CityWage = sgl(ext(p.TaxableWages) - (weekly ? ext(p.LocalExemption) / 2 : ext(p.LocalExemption)));
    walkBrackets(table, kTaxedRows, p.CityWage, weekly,
                 [&](const BracketRow& row) { p.LocalTax = withheld(excessTax(row, p.CityWage)); });
}

void GetNonCityTax(const EmployeeProfile& e, const NonCityTable& t, PayPeriod& p) {
    if (!e.BiWeekly && !e.Weekly) return;
    const auto& mins = e.BiWeekly ? t.NonMinBi : t.NonMinWk;
    const auto& exps = e.BiWeekly ? t.NonExpBi : t.NonExpWk;

    // The same bracket rule as the city tables; a row carries an exemption
    // instead of an amount and a rate. Each frequency has its own table, so
    // nothing is halved.
    std::array<float, 10> minimums{};
    std::copy(mins.begin(), mins.end(), minimums.begin());
    const std::array<float, 10> unused{};
    const float w = p.TaxableWages;
    walkBrackets(BracketColumns{minimums, unused, unused}, NonCityTable::kRows, w, false,
                 [&](const BracketRow& row) { p.LocalExemption = exps[row.index]; });
    p.LocalTax = withheld((ext(w) - ext(p.LocalExemption)) * ext(t.NonPer));
}

}  // namespace qv
