// North Carolina: the allowance and "California Exempt Allowance" come off the
// wage first; the rate of the row the wage falls in applies to the whole wage
// and the row's amount is subtracted from the product.
#include <array>
#include <string_view>

#include "paysheet/app.h"
#include "state/bracket_table.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
namespace {

struct NCRow {
    std::string_view singleMin, singleAmt, marriedMin, marriedAmt, rate;
};

constexpr std::array<NCRow, 4> kRows = {{
    {"0", "0", "0", "0", "0"},
    {"115.38", "6.92", "115.38", "6.92", "0.06"},
    {"605.77", "12.98", "524.04", "12.16", "0.07"},
    {"2423.08", "31.15", "2038.46", "27.45", "0.0775"},
}};

constexpr double kAllowancePerExemption = 96.15;

}  // namespace

void DialogState::NCSet() {
    numberAllowanceRows();
    clearTableRows(4, 9);
    setTableRowsEnabled(0, 9, true);
    for (int r = 0; r < static_cast<int>(kRows.size()); ++r) {
        setTableRow(true, r, kRows[r].singleMin, kRows[r].singleAmt, kRows[r].rate);
        setTableRow(false, r, kRows[r].marriedMin, kRows[r].marriedAmt, kRows[r].rate);
    }
    for (int n = 0; n < 10; ++n) txtStateSgExp[n] = txtStateMarExp[n] = methods::multipleText(kAllowancePerExemption, n);
}

void GetNCTax(App& app) {
    PayPeriod& p = app.period;
    const StateTaxSettings& s = app.state;
    const BracketColumns table = stateTableFor(s, app.profile.StateStatus);

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
    if (methods::biWeeklyPay(app)) run(false);
    if (methods::weeklyPay(app)) run(true);
}

}  // namespace qv
