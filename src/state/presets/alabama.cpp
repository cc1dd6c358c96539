// Alabama's preset: every amount is built into the method, so the tables
// and allowances are zeroed and locked.
#include "paysheet/app.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"

namespace qv {

void DialogState::AlabamaSet() {
    numberAllowanceRows();
    for (auto* column : {&txtStateMinBS, &txtStateAmtBS, &txtStatePerBS, &txtStateMinBM, &txtStateAmtBM,
                         &txtStatePerBM, &txtStateSgExp, &txtStateMarExp})
        column->fill("0");
    for (auto* enabled : {&txtStateMinBSEnabled, &txtStateAmtBSEnabled, &txtStatePerBSEnabled, &txtStateMinBMEnabled,
                          &txtStateAmtBMEnabled, &txtStatePerBMEnabled, &txtStateSgExpEnabled, &txtStateMarExpEnabled})
        enabled->fill(false);
}

}  // namespace qv
