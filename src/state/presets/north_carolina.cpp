// North Carolina's preset: four rows whose rate applies to the whole wage,
// and the allowance per exemption.
#include <array>
#include <string_view>

#include "paysheet/app.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"

namespace qv {
namespace {

struct NCRow {
    std::string_view singleMin, singleAmt, marriedMin, marriedAmt, rate;
};

constexpr std::array<NCRow, 4> kRows = {{
    {"0", "0", "0", "0", "0"},
    {"115.38", "6.92", "115.38", "6.92", "0.06"},
    {"605.77", "12.98", "524.04", "12.16", "0.07"},
    {"2423.08", "31.15", "2038.46", "27.45", "0.0775"},
}};

constexpr double kAllowancePerExemption = 96.15;

}  // namespace

void DialogState::NCSet() {
    numberAllowanceRows();
    clearTableRows(4, 9);
    setTableRowsEnabled(0, 9, true);
    for (int r = 0; r < static_cast<int>(kRows.size()); ++r) {
        setTableRow(true, r, kRows[r].singleMin, kRows[r].singleAmt, kRows[r].rate);
        setTableRow(false, r, kRows[r].marriedMin, kRows[r].marriedAmt, kRows[r].rate);
    }
    for (int n = 0; n < 10; ++n) txtStateSgExp[n] = txtStateMarExp[n] = methods::multipleText(kAllowancePerExemption, n);
}

}  // namespace qv
