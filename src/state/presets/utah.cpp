// Utah's preset: the seven rows and the credit per allowance of the
// employee's own pay frequency.
#include <array>
#include <string_view>

#include "paysheet/app.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
namespace {

struct UtahRow {
    std::string_view singleMin, marriedMin, rate;
};

constexpr std::array<UtahRow, 7> kRows = {{
    {"0", "0", "0"},
    {"254", "508", "0.01"},
    {"315", "631", "0.02"},
    {"423", "846", "0.03"},
    {"565", "1131", "0.04"},
    {"812", "1623", "0.05"},
    {"1531", "3062", "0.05"},
}};

}  // namespace

void DialogState::UtahSet() {
    numberAllowanceRows();
    clearTableRows(7, 9);
    setTableRowsEnabled(0, 9, true);
    for (int r = 0; r < kUtahRowsUsed; ++r) {
        setTableRow(true, r, kRows[r].singleMin, "0", kRows[r].rate);
        setTableRow(false, r, kRows[r].marriedMin, "0", kRows[r].rate);
    }
    // The credits are written for the employee's own pay frequency; the
    // method does not halve them.
    if (methods::biWeeklyPay(app().profile))
        for (int n = 0; n < 10; ++n) txtStateSgExp[n] = txtStateMarExp[n] = methods::multipleText(5, n);
    if (methods::weeklyPay(app().profile))
        for (int n = 0; n < 10; ++n) txtStateSgExp[n] = txtStateMarExp[n] = methods::multipleText(2, n);
    setCheck(ckSpouse, 0);
    ckSpouseVisible = false;
}

}  // namespace qv
