// Massachusetts: a flat rate on gross pay less the period's Social Security
// and Medicare (while the year's total of the two stays at or under 2000) and
// less an exemption amount.
#include <array>

#include "ledger/year_ledger.h"
#include "paysheet/app.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
namespace {

// 169 for the first exemption, 38 more for each further one.
constexpr std::array<const char*, 10> kExemption = {"0", "169", "207", "245", "283", "321", "359", "397", "435", "473"};

// The year's Social Security and Medicare up to which the period's amounts
// are deducted.
constexpr float kFicaLimit = 2000;

}  // namespace

void DialogState::MassSet() {
    numberAllowanceRows();
    clearTableRows(1, 9);
    setTableRowsEnabled(1, 9, false);
    setTableRowsEnabled(0, 0, true);
    setTableRow(true, 0, "0", "0", "0.051");
    setTableRow(false, 0, "0", "0", "0.051");
    for (int n = 0; n < 10; ++n) {
        txtStateSgExp[n] = kExemption[n];
        txtStateMarExp[n] = kExemption[n];
    }
}

void GetMassTax(App& app) {
    PayPeriod& p = app.period;
    const StateTaxSettings& s = app.state;

    const float yearFica = sgl(ext(app.ledger.TotSS) + ext(app.ledger.TotMedi));
    float wage = yearFica <= kFicaLimit ? sgl(ext(p.GrossPay) - ext(p.SocSec) - ext(p.Medicare)) : p.GrossPay;

    // The exemption amounts are bi-weekly; a weekly employee gets half.
    const float exemption = s.StateMarExp[methods::entryFor(app.profile.StateExemptions)];
    wage = methods::weeklyPay(app) ? sgl(ext(wage) - ext(exemption) * 0.5) : sgl(ext(wage) - ext(exemption));
    p.StateWage = wage;
    p.StateTax = sgl(ext(wage) * ext(s.StatePerBS[0]));
}

}  // namespace qv
