// Utah: the rate of the row the wage falls in applies to the whole wage, and
// the picked allowance is a credit, except in the top row, which gets none.
#include <array>
#include <string_view>

#include "paysheet/app.h"
#include "state/bracket_table.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
namespace {

struct UtahRow {
    std::string_view singleMin, marriedMin, rate;
};

constexpr std::array<UtahRow, 7> kRows = {{
    {"0", "0", "0"},
    {"254", "508", "0.01"},
    {"315", "631", "0.02"},
    {"423", "846", "0.03"},
    {"565", "1131", "0.04"},
    {"812", "1623", "0.05"},
    {"1531", "3062", "0.05"},
}};

// Only rows 1 to 7 take part.
constexpr int kRowsUsed = 7;

}  // namespace

void DialogState::UtahSet() {
    numberAllowanceRows();
    clearTableRows(7, 9);
    setTableRowsEnabled(0, 9, true);
    for (int r = 0; r < kRowsUsed; ++r) {
        setTableRow(true, r, kRows[r].singleMin, "0", kRows[r].rate);
        setTableRow(false, r, kRows[r].marriedMin, "0", kRows[r].rate);
    }
    // The credits are written for the employee's own pay frequency; the
    // method does not halve them.
    if (methods::biWeeklyPay(app()))
        for (int n = 0; n < 10; ++n) txtStateSgExp[n] = txtStateMarExp[n] = methods::multipleText(5, n);
    if (methods::weeklyPay(app()))
        for (int n = 0; n < 10; ++n) txtStateSgExp[n] = txtStateMarExp[n] = methods::multipleText(2, n);
    setCheck(ckSpouse, 0);
    ckSpouseVisible = false;
}

void GetUtahTax(App& app) {
    PayPeriod& p = app.period;
    const StateTaxSettings& s = app.state;

    const float wage = sgl(ext(p.TaxableWages) - ext(p.CafeState));
    p.StateWage = wage;

    auto onRow = [&](const BracketRow& row) {
        p.StateTax = sgl(ext(wage) * ext(row.rate) + ext(row.amount));
        // The top row gets no credit.
        if (row.top) p.StateExemption = 0;
    };
    const BracketColumns table = stateTableFor(s, app.profile.StateStatus);
    if (methods::biWeeklyPay(app)) walkBrackets(table, kRowsUsed, wage, false, onRow);
    if (methods::weeklyPay(app)) walkBrackets(table, kRowsUsed, wage, true, onRow);

    p.StateTax = sgl(p.StateTax.number() - ext(p.StateExemption));
}

}  // namespace qv
