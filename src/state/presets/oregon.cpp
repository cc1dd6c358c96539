// Oregon's preset: the three-row table and the credit per allowance of the
// employee's own pay frequency.
#include <string_view>

#include "paysheet/app.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"

namespace qv {
namespace {

struct OregonRow {
    std::string_view singleMin, singleAmt, marriedMin, marriedAmt, rate;
};

constexpr OregonRow kWeekly[3] = {
    {"0", "3.79", "0", "3.79", "0.05"},
    {"65.38", "7.06", "130.77", "10.33", "0.07"},
    {"163.46", "13.92", "326.92", "24.06", "0.09"},
};

constexpr OregonRow kBiWeekly[3] = {
    {"0", "7.58", "0", "7.58", "0.05"},
    {"130.77", "14.12", "261.54", "20.65", "0.07"},
    {"326.92", "27.85", "653.85", "48.12", "0.09"},
};

// Credit per allowance.
constexpr double kWeeklyCredit = 3.79;

constexpr double kBiWeeklyCredit = 7.58;

}  // namespace

void DialogState::OregonSet() {
    // Start from what was last saved, as the loader would show it; the
    // employee's Utah choice never survives choosing Oregon. The Oregon box
    // itself keeps what the user sees: were it reset from the record too, a
    // press (which toggles it after this preset) could never uncheck it
    // before a SAVE, nor check it again after one.
    const int oregonShown = ckOregon;
    boxesFromRecord();
    methodBoxesFromRecord();
    ckOregon = oregonShown;
    ckUtah = 0;
    employeeScreenFromRecord();

    numberAllowanceRows();
    clearTableRows(3, 9);
    setTableRowsEnabled(3, 9, false);
    setTableRowsEnabled(0, 2, true);

    const bool weekly = methods::weeklyPay(app().profile);
    for (int n : {19, 20, 21}) Label[n] = weekly ? "WEEKLY" : "BIWEEKLY";
    const OregonRow* rows = weekly ? kWeekly : kBiWeekly;
    for (int r = 0; r < 3; ++r) {
        setTableRow(true, r, rows[r].singleMin, rows[r].singleAmt, rows[r].rate);
        setTableRow(false, r, rows[r].marriedMin, rows[r].marriedAmt, rows[r].rate);
    }
    const double credit = weekly ? kWeeklyCredit : kBiWeeklyCredit;
    for (int n = 0; n < 10; ++n) {
        txtStateSgExp[n] = methods::multipleText(credit, n);
        txtStateMarExp[n] = methods::multipleText(credit, n);
    }
}

}  // namespace qv
