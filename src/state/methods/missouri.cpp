// Missouri: the wage less the federal tax withheld (only while it is under a
// cap), a standard deduction and an allowance, through a built-in ten-bracket
// schedule; the tax is rounded to whole dollars ("Round State").
#include <array>
#include <string>

#include "paysheet/app.h"
#include "state/dialog_state.h"
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

// The "W4 Allowance" column: the allowance for n allowances.
constexpr std::array<const char*, 10> kBiWeeklyAllowance = {"0",      "80.77",  "126.92", "173.07", "219.22",
                                                            "265.37", "311.52", "357.67", "403.82", "449.97"};
constexpr std::array<const char*, 10> kWeeklyAllowance = {"0",     "40.38",  "63.46",  "86.54",  "109.62",
                                                          "132.7", "155.78", "178.86", "184.64", "201.94"};

}  // namespace

void DialogState::MissouriSet() {
    Label[14] = "Standard";
    Label[15] = "W4 Allowance";
    Label[21] = "BiWeekly";
    Label[13] = "# of Exemp";
    numberAllowanceRows();

    // The brackets are built into the method: the tables are locked empty.
    setTableLabelsEnabled(false);
    setTableRowsEnabled(0, 9, false);
    clearTableRows(0, 9);

    // The standard deduction, the same in every entry. A married employee
    // whose spouse works gets the single amount.
    const bool biWeekly = methods::biWeeklyPay(app());
    const std::string& status = app().profile.StateStatus;
    const char* standard = nullptr;
    if (status == "Single" || (status == "Married" && ckSpouse == 1))
        standard = biWeekly ? "244.23" : "122.12";
    else if (status == "Married")
        standard = biWeekly ? "488.46" : "244.23";
    if (standard != nullptr) txtStateSgExp.fill(standard);

    const auto& allowance = biWeekly ? kBiWeeklyAllowance : kWeeklyAllowance;
    for (int n = 0; n < 10; ++n) txtStateMarExp[n] = allowance[n];

    GetMissouriTax(app(), app().profile.StateExemptions);
}

void GetMissouriTax(App& app, int n) {
    DialogState& dialog = app.dialogState();
    dialog.ensureLoaded();
    PayPeriod& p = app.period;
    const StateTaxSettings& s = app.state;

    // Federal tax is deducted only while it stays under the cap; above it
    // nothing is deducted for it at all, not even the cap.
    const bool spouseWorks = dialog.ckSpouse == 1;
    const double periods = methods::weeklyPay(app) ? 52 : 26;
    const float cap = sgl((spouseWorks ? 5000 : 10000) / periods);
    float wage = p.FedTax <= cap ? sgl(ext(p.TaxableWages) - ext(p.FedTax) - ext(p.CafeState))
                                 : sgl(ext(p.TaxableWages) - ext(p.CafeState));

    const int k = methods::entryFor(n);
    wage = sgl(ext(wage) - ext(s.StateSgExp[k]) - ext(s.StateMarExp[k]));

    const auto& schedule = methods::biWeeklyPay(app) ? kBiWeekly : kWeekly;
    p.StateTax = sgl(schedule.tax(wage));
    dialog.ckRoundOff = 1;
}

}  // namespace qv
