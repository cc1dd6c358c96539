// Louisiana's preset: the tables play no part; the allowance table turns
// into two count boxes (personal exemptions and dependents).
#include "common/format.h"
#include "paysheet/app.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"

namespace qv {

void DialogState::LouisianaSet() {
    Label[14] = "Personal";
    Label[15] = "Dependent";
    Label[21] = "Enter Number Of";
    Label[13] = "";
    Label[5] = "Table for MARRIED Persons";
    Label27.fill("");

    for (int n = 1; n < 10; ++n) {
        txtStateSgExpEnabled[n] = false;
        txtStateMarExpEnabled[n] = false;
    }

    // The tables play no part: lock them (row 1 keeps its minimum and amount).
    txtStatePerBS[0] = "0";
    txtStatePerBM[0] = "0";
    clearTableRows(1, 9);
    setTableRowsEnabled(0, 9, false);

    for (int n = 1; n < 10; ++n) {
        txtStateSgExp[n] = "0";
        txtStateMarExp[n] = "0";
    }
    const StateTaxSettings& s = app().state;
    txtStateSgExp[0] = plainNumber(s.StateSgExp[0]);
    txtStateMarExp[0] = plainNumber(s.StateMarExp[0]);
    if (s.StateSgExp[0] > 2) txtStateSgExp[0] = "2";
    if (s.StateMarExp[0] > 6) txtStateMarExp[0] = "6";
    txtStateSgExpEnabled[0] = true;
    txtStateMarExpEnabled[0] = true;
}

}  // namespace qv
