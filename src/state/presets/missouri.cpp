// Missouri's preset: the brackets are built into the method; the allowance
// columns hold the standard deduction and the W4 allowance. The tax is
// rounded to whole dollars, so "Round State" is checked.
#include <array>
#include <string>

#include "paysheet/app.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"
#include "state/state_method_table.h"

namespace qv {
namespace {

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
    const bool biWeekly = methods::biWeeklyPay(app().profile);
    const std::string& status = app().profile.StateStatus;
    const char* standard = nullptr;
    if (status == "Single" || (status == "Married" && ckSpouse == 1))
        standard = biWeekly ? "244.23" : "122.12";
    else if (status == "Married")
        standard = biWeekly ? "488.46" : "244.23";
    if (standard != nullptr) txtStateSgExp.fill(standard);

    const auto& allowance = biWeekly ? kBiWeeklyAllowance : kWeeklyAllowance;
    for (int n = 0; n < 10; ++n) txtStateMarExp[n] = allowance[n];

    GetMissouriTax(stateMethodInput(app()), app().period);
    ckRoundOff = 1;
}

}  // namespace qv
