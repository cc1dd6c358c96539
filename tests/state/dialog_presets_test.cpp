// The state dialog together with the state presets: the opening re-applies
// the chosen state over the file's numbers, a press runs the preset also when
// it unchecks the box.
#include <gtest/gtest.h>

#include "state/generic_state_tax.h"
#include "state/state_files.h"
#include "state/state_method_table.h"
#include "state/state_fixture.h"

namespace qv::test {
namespace {

using MB = DialogState::MethodBox;

class StateDialogPresets : public StateFixture {
protected:
    StateDialogPresets() {
        // The start-up made the default profile weekly.
        app.profile.Weekly = false;
        app.profile.BiWeekly = true;
        app.profile.StateStatus = "Single";
        app.UserFile = "Emp";
    }
};

TEST_F(StateDialogPresets, OpeningReappliesTheChosenStateOverTheFile) {
    // A file that chose Oregon but holds the generic default table.
    DialogState& d = app.dialogState();
    d.ensureLoaded();
    d.ckOregon = 1;
    d.txtStateMinBS[1] = "327";
    d.txtStateSgExp[1] = "323.1";
    ASSERT_TRUE(d.fillVari());
    ASSERT_TRUE(SaveStateFile(app));
    d.unload();

    DialogState& o = app.dialogState();
    o.ensureLoaded();
    EXPECT_EQ(o.ckOregon, 1);
    EXPECT_EQ(o.txtStateMinBS[1], "130.77");
    EXPECT_EQ(o.txtStateMinBS[5], "999999");
    EXPECT_FALSE(o.txtStateMinBSEnabled[5]);
    EXPECT_EQ(o.txtStateSgExp[1], "7.58");
    // The record takes the preset's tables at once.
    EXPECT_FLOAT_EQ(app.state.StateMinBS[1], 130.77f);
    EXPECT_FLOAT_EQ(app.state.StateSgExp[1], 7.58f);
}

TEST_F(StateDialogPresets, PressingACheckedBoxUnchecksItButKeepsItsTables) {
    DialogState& d = app.dialogState();
    d.ensureLoaded();
    d.pressMethodBox(MB::WisconApril);
    ASSERT_EQ(d.ckWisconApril, 1);
    d.pressMethodBox(MB::WisconApril);
    EXPECT_EQ(d.ckWisconApril, 0);
    EXPECT_EQ(d.txtStateMinBS[1], "220.38");
    d.OKButton_Click();
    EXPECT_EQ(app.state.UseWisconApril, 0);

    // The generic method now computes with Wisconsin's table: a wage of 400
    // less an allowance of 0 falls in row 2 (220.38).
    app.period.TaxableWages = 400;
    app.period.StateExemption = 0;
    app.period.StateTax = 0.0f;
    RunStateMethods(app);
    EXPECT_NEAR(app.period.StateTax.number(), (400 - 220.38) * 0.04, 1e-4);
}

}  // namespace
}  // namespace qv::test
