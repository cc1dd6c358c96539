// Kentucky's preset: the six brackets, the standard deduction and the credit
// per exemption of the employee's own pay frequency.
#include <array>
#include <string_view>

#include "paysheet/app.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"

namespace qv {
namespace {

struct KentuckyRow {
    std::string_view biWeeklyMax, weeklyMax, rate;
};

constexpr std::array<KentuckyRow, 6> kRows = {{
    {"115.38", "57.69", "0.02"},
    {"153.84", "76.92", "0.03"},
    {"192.3", "96.15", "0.04"},
    {"307.68", "153.85", "0.05"},
    {"2884.61", "1442.3", "0.058"},
    {"5769.22", "2884.61", "0.06"},
}};

constexpr std::string_view kBiWeeklyStandard = "95.384";

constexpr std::string_view kWeeklyStandard = "47.692";

constexpr double kBiWeeklyCredit = 0.385;

constexpr double kWeeklyCredit = 0.192;

}  // namespace

void DialogState::KentuckySet() {
    numberAllowanceRows();
    const bool biWeekly = methods::biWeeklyPay(app().profile);
    for (int n : {19, 20, 21}) LabelEnabled[n] = biWeekly;
    clearTableRows(6, 9);
    setTableRowsEnabled(6, 9, false);
    setTableRowsEnabled(0, 5, true);
    const std::string_view standard = biWeekly ? kBiWeeklyStandard : kWeeklyStandard;
    for (int r = 0; r < static_cast<int>(kRows.size()); ++r) {
        const std::string_view max = biWeekly ? kRows[r].biWeeklyMax : kRows[r].weeklyMax;
        setTableRow(true, r, max, standard, kRows[r].rate);
        setTableRow(false, r, max, standard, kRows[r].rate);
    }
    const double credit = biWeekly ? kBiWeeklyCredit : kWeeklyCredit;
    for (int n = 0; n < 10; ++n) txtStateSgExp[n] = txtStateMarExp[n] = methods::multipleText(credit, n);
}

void DialogState::KentuckyUnset() {
    Frame3Visible = true;
    LabelVisible[13] = true;
}

}  // namespace qv
