// Massachusetts' preset: the flat rate and the exemption amounts.
#include <array>

#include "paysheet/app.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"

namespace qv {
namespace {

// 169 for the first exemption, 38 more for each further one.
constexpr std::array<const char*, 10> kExemption = {"0", "169", "207", "245", "283", "321", "359", "397", "435", "473"};

}  // namespace

void DialogState::MassSet() {
    numberAllowanceRows();
    clearTableRows(1, 9);
    setTableRowsEnabled(1, 9, false);
    setTableRowsEnabled(0, 0, true);
    setTableRow(true, 0, "0", "0", "0.051");
    setTableRow(false, 0, "0", "0", "0.051");
    for (int n = 0; n < 10; ++n) {
        txtStateSgExp[n] = kExemption[n];
        txtStateMarExp[n] = kExemption[n];
    }
}

}  // namespace qv
