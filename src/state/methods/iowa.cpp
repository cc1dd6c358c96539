// Iowa: the wage less the whole federal tax withheld and a standard deduction,
// through a built-in nine-bracket schedule, less a credit per allowance; the
// tax is rounded to whole dollars ("Round State").
#include <array>

#include "paysheet/app.h"
#include "state/dialog_state.h"
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

void DialogState::IowaSet() {
    for (int n : {19, 20, 21}) LabelVisible[n] = false;
    Label[14] = "Standard";
    Label[15] = "Credit";
    Label[21] = "BiWeekly";
    Label[13] = "# of Exemp";
    setTableLabelsEnabled(false);
    numberAllowanceRows();

    // The brackets are built into the method: the tables are locked empty.
    setTableRowsEnabled(0, 9, false);
    clearTableRows(0, 9);

    // "Standard": a small deduction for 0 or 1 allowance, a large one from 2
    // on. "Credit": a fixed amount per allowance.
    const bool biWeekly = methods::biWeeklyPay(app());
    const char* smallStandard = biWeekly ? "63.46" : "31.73";
    const char* largeStandard = biWeekly ? "156.15" : "78.08";
    const double credit = biWeekly ? 1.54 : 0.77;
    for (int n = 0; n < 10; ++n) {
        txtStateSgExp[n] = n < 2 ? smallStandard : largeStandard;
        txtStateMarExp[n] = methods::multipleText(credit, n);
    }

    ckRoundOff = 1;
    GetIowaTax(app(), app().profile.StateExemptions);
}

void GetIowaTax(App& app, int n) {
    PayPeriod& p = app.period;
    const StateTaxSettings& s = app.state;
    const int k = methods::entryFor(n);

    float wage = sgl(ext(p.TaxableWages) - ext(p.FedTax) - ext(p.CafeState));
    wage = sgl(ext(wage) - ext(s.StateSgExp[k]));

    const auto& schedule = methods::biWeeklyPay(app) ? kBiWeekly : kWeekly;
    const float tax = sgl(schedule.tax(wage));
    p.StateTax = sgl(ext(tax) - ext(s.StateMarExp[k]));
}

}  // namespace qv
