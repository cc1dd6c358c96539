// Louisiana: tiered rates on gross pay less a credit for personal exemptions
// and dependents. The allowance table turns into two count boxes: entry 0 of
// the single column holds the personal exemptions (0 to 2), entry 0 of the
// married column the dependents. Two formulas: the current one and the one
// in force before July 1 (the pay sheet's "Louisiana- Prior to July 1").
#include <cmath>

#include "common/format.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
namespace {

// The counts are typed as numbers; a fraction rounds to the nearest whole
// count, a half to the even one.
long double countOf(float typed) { return std::nearbyint(ext(typed)); }

struct Counts {
    long double personal;
    long double dependents;
};

Counts countsOf(const StateTaxSettings& s) { return {countOf(s.StateSgExp[0]), countOf(s.StateMarExp[0])}; }

}  // namespace

void GetLouisianaTax(const StateMethodInput& in, PayPeriod& p) {
    const auto [personal, dependents] = countsOf(in.state);
    const bool biWeekly = methods::biWeeklyPay(in.profile);
    if (!biWeekly && !methods::weeklyPay(in.profile)) return;
    // Three or more personal exemptions have no formula.
    if (personal > 2) {
        p.StateTax = 0.0f;
        return;
    }

    // Two personal exemptions: a fixed exemption amount, doubled thresholds
    // and a higher second rate.
    const bool two = personal == 2;
    const double perPersonal = biWeekly ? 173.08 : 86.54;
    const double perDependent = biWeekly ? 38.46 : 19.23;
    const double bothPersonal = biWeekly ? 346.16 : 173.08;
    const double t1 = biWeekly ? (two ? 961.54 : 480.77) : (two ? 480.77 : 240.38);
    const double t2 = biWeekly ? (two ? 3846.15 : 1923.08) : (two ? 1923.08 : 961.54);
    const double rate2 = two ? 0.0165 : 0.016;

    const float exemption = two ? sgl(dependents * perDependent + bothPersonal)
                                : sgl(personal * perPersonal + dependents * perDependent);
    float creditA = sgl(ext(exemption) * 0.021);
    float creditB = sgl((ext(exemption) - t1) * rate2);
    if (creditA < 0) creditA = 0;
    if (creditB < 0) creditB = 0;
    const long double credit = ext(creditA) + ext(creditB);

    const float wage = p.GrossPay > 0 ? p.GrossPay : 0.0f;
    const long double w = ext(wage);
    long double tax = 0;
    if (wage <= static_cast<float>(t1))
        tax = w * 0.021 - credit;
    else if (wage <= static_cast<float>(t2))
        tax = w * 0.021 + (w - t1) * rate2 - credit;
    else
        tax = w * 0.021 + (w - t1) * rate2 + (w - t2) * 0.0135 - credit;
    p.StateTax = tax < 0 ? 0.0f : sgl(tax);
}

void GetLouisianaPriorTax(const StateMethodInput& in, PayPeriod& p) {
    const auto [personal, dependents] = countsOf(in.state);
    const bool biWeekly = methods::biWeeklyPay(in.profile);
    const double perPersonal = biWeekly ? 173.08 : 86.54;
    const double perDependent = biWeekly ? 38.46 : 19.23;
    // Two personal exemptions double the thresholds.
    const bool two = personal == 2;
    const double t1 = biWeekly ? (two ? 961.54 : 480.77) : (two ? 480.77 : 240.38);
    const double t2 = biWeekly ? (two ? 1923.08 : 961.54) : (two ? 961.54 : 480.77);

    const float wage = p.GrossPay;
    const long double w = ext(wage);
    const long double a1 = wage > 0 ? w * 0.021 : 0;
    const long double a2 = wage > static_cast<float>(t1) ? (w - t1) * 0.0135 : 0;
    const long double a3 = wage > static_cast<float>(t2) ? (w - t2) * 0.0135 : 0;

    const long double exempt = dependents * perDependent + personal * perPersonal;
    const long double c1 = exempt * 0.021;
    const long double c2 = sgl(exempt) > static_cast<float>(t1) ? (exempt - t1) * 0.0135 : 0;

    const long double tax = a1 + a2 + a3 - (c1 + c2);
    p.StateTax = tax > 0 ? sgl(tax) : 0.0f;
}

}  // namespace qv
