// A fresh App in a temporary working folder, answered by a scripted Ui.
#pragma once

#include "paysheet/form1.h"
#include "state/dialog_state.h"
#include "state/state_settings.h"
#include "support/app_fixture.h"

namespace qv::test {

class StateFixture : public testing::AppTest {
protected:
    // The pay sheet is the main window and is always up before this dialog is
    // touched: start it with the federal tables beside it, then close the
    // state dialog its start-up prepared, so each test opens it itself.
    StateFixture() : AppTest(Date{2018, 6, 1}, "qv_state_") {
        copyShippedFederalTables();
        app.form1();
        app.dialogState().unload();
        ui.clearShown();
    }
};

}  // namespace qv::test
