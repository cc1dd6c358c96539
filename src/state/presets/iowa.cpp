// Iowa's preset: the brackets are built into the method; the allowance
// columns hold the standard deduction and the credit per allowance. The
// tax is rounded to whole dollars, so "Round State" is checked.
#include "paysheet/app.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"
#include "state/state_method_table.h"

namespace qv {

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
    const bool biWeekly = methods::biWeeklyPay(app().profile);
    const char* smallStandard = biWeekly ? "63.46" : "31.73";
    const char* largeStandard = biWeekly ? "156.15" : "78.08";
    const double credit = biWeekly ? 1.54 : 0.77;
    for (int n = 0; n < 10; ++n) {
        txtStateSgExp[n] = n < 2 ? smallStandard : largeStandard;
        txtStateMarExp[n] = methods::multipleText(credit, n);
    }

    ckRoundOff = 1;
    GetIowaTax(stateMethodInput(app()), app().period);
}

}  // namespace qv
