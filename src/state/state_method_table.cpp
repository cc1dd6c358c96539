#include "state/state_method_table.h"

#include "paysheet/app.h"
#include "paysheet/form1.h"
#include "state/generic_state_tax.h"

namespace qv {

StateMethodInput stateMethodInput(App& app) {
    // The box as the dialog shows it; the saved choice while it is closed.
    const DialogState& dialog = app.dialogState();
    const bool spouseWorks = dialog.loaded ? dialog.ckSpouse == 1 : app.state.SpouseWorks == 1;
    return {app.profile, app.state, app.ledger, spouseWorks};
}

void RunStateMethods(App& app) {
    const StateMethodInput in = stateMethodInput(app);
    const bool louisPrior = app.form1().ckLouisPrior == 1;
    bool ran = false;
    for (const StateMethodRow& m : kStateMethods) {
        if (in.state.*m.flag != 1 || !m.tax) continue;
        const StateMethod tax = louisPrior && m.priorTax ? m.priorTax : m.tax;
        tax(in, app.period);
        if (m.taxChecksRoundState) app.dialogState().ckRoundOff = 1;
        ran = true;
    }
    if (!ran) GetStateTax(in, app.period);
}

}  // namespace qv
