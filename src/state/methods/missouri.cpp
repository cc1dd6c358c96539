// Missouri: the wage less the federal tax withheld (only while it is under a
// cap), a standard deduction and an allowance, through a built-in ten-bracket
// schedule; the tax is rounded to whole dollars ("Round State").
#include <array>
#include <string>

#include "state/methods/graduated_schedule.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
namespace {

constexpr std::array<double, 10> kRates = {0.015, 0.02, 0.025, 0.03, 0.035, 0.04, 0.045, 0.05, 0.055, 0.06};

constexpr methods::GraduatedSchedule<10> kBiWeekly{
    {39, 77, 116, 155, 194, 233, 271, 310, 349},
    kRates,
    {0.585, 0.78, 0.975, 1.17, 1.365, 1.56, 1.755, 1.95, 2.145}};

constexpr methods::GraduatedSchedule<10> kWeekly{
    {19, 39, 58, 78, 97, 116, 136, 155, 174},
    kRates,
    {0.285, 0.38, 0.475, 0.57, 0.665, 0.76, 0.855, 0.95, 1.045}};

}  // namespace

void GetMissouriTax(const StateMethodInput& in, PayPeriod& p) {
    const int n = in.profile.StateExemptions;
    const StateTaxSettings& s = in.state;

    // Federal tax is deducted only while it stays under the cap; above it
    // nothing is deducted for it at all, not even the cap.
    const bool spouseWorks = in.spouseWorks;
    const double periods = methods::weeklyPay(in.profile) ? 52 : 26;
    const float cap = sgl((spouseWorks ? 5000 : 10000) / periods);
    float wage = p.FedTax <= cap ? sgl(ext(p.TaxableWages) - ext(p.FedTax) - ext(p.CafeState))
                                 : sgl(ext(p.TaxableWages) - ext(p.CafeState));

    const int k = methods::entryFor(n);
    wage = sgl(ext(wage) - ext(s.StateSgExp[k]) - ext(s.StateMarExp[k]));

    const auto& schedule = methods::biWeeklyPay(in.profile) ? kBiWeekly : kWeekly;
    p.StateTax = sgl(schedule.tax(wage));
}

}  // namespace qv
