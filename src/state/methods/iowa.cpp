// Iowa: the wage less the whole federal tax withheld and a standard deduction,
// through a built-in nine-bracket schedule, less a credit per allowance; the
// tax is rounded to whole dollars ("Round State").
#include <array>

#include "state/methods/graduated_schedule.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
namespace {

constexpr std::array<double, 9> kRates = {0.0036, 0.0072, 0.0243, 0.045, 0.0612, 0.0648, 0.068, 0.0792, 0.0898};

constexpr methods::GraduatedSchedule<9> kBiWeekly{
    {50, 100, 200, 450, 750, 1000, 1500, 2250}, kRates, {0.18, 0.36, 2.43, 11.25, 18.36, 16.2, 34, 59.4}};

constexpr methods::GraduatedSchedule<9> kWeekly{
    {25, 50, 100, 225, 375, 500, 750, 1125}, kRates, {0.09, 0.18, 1.215, 5.625, 9.18, 8.1, 17, 29.7}};

}  // namespace

void GetIowaTax(const StateMethodInput& in, PayPeriod& p) {
    const int n = in.profile.StateExemptions;
    const StateTaxSettings& s = in.state;
    const int k = methods::entryFor(n);

    float wage = sgl(ext(p.TaxableWages) - ext(p.FedTax) - ext(p.CafeState));
    wage = sgl(ext(wage) - ext(s.StateSgExp[k]));

    const auto& schedule = methods::biWeeklyPay(in.profile) ? kBiWeekly : kWeekly;
    const float tax = sgl(schedule.tax(wage));
    p.StateTax = sgl(ext(tax) - ext(s.StateMarExp[k]));
}

}  // namespace qv
