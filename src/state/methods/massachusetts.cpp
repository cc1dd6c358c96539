// Massachusetts: a flat rate on gross pay less the period's Social Security
// and Medicare (while the year's total of the two stays at or under 2000) and
// less an exemption amount.
#include <array>

#include "ledger/year_ledger.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
namespace {

// The year's Social Security and Medicare up to which the period's amounts
// are deducted.
constexpr float kFicaLimit = 2000;

}  // namespace

void GetMassTax(const StateMethodInput& in, PayPeriod& p) {
    const StateTaxSettings& s = in.state;

    const float yearFica = sgl(ext(in.ledger.TotSS) + ext(in.ledger.TotMedi));
    float wage = yearFica <= kFicaLimit ? sgl(ext(p.GrossPay) - ext(p.SocSec) - ext(p.Medicare)) : p.GrossPay;

    // The exemption amounts are bi-weekly; a weekly employee gets half.
    const float exemption = s.StateMarExp[methods::entryFor(in.profile.StateExemptions)];
    wage = methods::weeklyPay(in.profile) ? sgl(ext(wage) - ext(exemption) * 0.5) : sgl(ext(wage) - ext(exemption));
    p.StateWage = wage;
    p.StateTax = sgl(ext(wage) * ext(s.StatePerBS[0]));
}

}  // namespace qv
