// The state tax dialog: its opening, blank boxes, commands and check boxes.
#include <gtest/gtest.h>

#include <string>

#include "paysheet/form1.h"
#include "state/generic_state_tax.h"
#include "state/state_files.h"
#include "state/state_method_table.h"
#include "state/state_fixture.h"

namespace qv::test {
namespace {

using MB = DialogState::MethodBox;

class StateDialog : public StateFixture {
protected:
    DialogState& open() {
        DialogState& d = app.dialogState();
        d.ensureLoaded();
        return d;
    }
    // An employee file holding the default table with a few numbers changed.
    void writeEmployee(const std::string& name, float row1Rate, int noStateTax = 0) {
        app.UserFile = name;
        DialogState& d = open();
        d.txtStatePerBS[0] = std::to_string(row1Rate);
        d.ckNoStateTax = 0;
        ASSERT_TRUE(d.fillVari());
        app.state.NoStateTax = static_cast<std::int16_t>(noStateTax);
        ASSERT_TRUE(SaveStateFile(app));
        d.unload();
    }
};

TEST_F(StateDialog, OpeningWithoutAFileGivesTheBlankBoxDefaults) {
    DialogState& d = open();
    EXPECT_EQ(d.txtStateMinBS[1], "327");
    EXPECT_EQ(d.txtStateAmtBS[1], "13.08");
    EXPECT_EQ(d.txtStatePerBS[1], "0.045");
    EXPECT_EQ(d.txtStateMinBS[8], "6063");  // "New York" writes 6213 here
    EXPECT_EQ(d.txtStateMinBM[9], "8137");
    EXPECT_EQ(d.txtStateSgExp[9], "631.1");
    EXPECT_EQ(d.txtStateMarExp[0], "305.8");
    EXPECT_EQ(d.txtSDIpercent, "0");
    EXPECT_EQ(d.txtCalAllow, "0");
    EXPECT_EQ(d.Label[26], "Flat Rate");
    // The opening copies the boxes into the record.
    EXPECT_FLOAT_EQ(app.state.StateMinBS[8], 6063.0f);
    EXPECT_FLOAT_EQ(app.state.StatePerBM[7], 0.0833f);
    EXPECT_FLOAT_EQ(app.state.StateMarExp[9], 652.3f);
    // Allowances are the 0-exemption amount plus 38.5 each.
    for (int n = 0; n < 10; ++n) {
        EXPECT_NEAR(app.state.StateSgExp[n], 284.6 + 38.5 * n, 1e-4);
        EXPECT_NEAR(app.state.StateMarExp[n], 305.8 + 38.5 * n, 1e-4);
    }
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(StateDialog, ABoxClearedByTheUserComesBackAsItsDefault) {
    app.UserFile = "Emp";
    DialogState& d = open();
    d.txtStateAmtBS[1] = "99";
    d.txtSDIpercent = "1.5";
    ASSERT_TRUE(d.fillVari());
    d.txtStateAmtBS[1].clear();
    d.txtSDIpercent.clear();
    d.OKButton_Click();
    EXPECT_FLOAT_EQ(app.state.StateAmtBS[1], 13.08f);
    EXPECT_FLOAT_EQ(app.state.SDIPercent, 0.0f);
    EXPECT_TRUE(dir.has("Emp.sta"));
    EXPECT_FALSE(d.loaded);
}

TEST_F(StateDialog, SaveWithABoxThatIsNoNumberChangesNothing) {
    const char* bad[] = {" ", "-", ".", "1.2.3", "1-2", "--", "99999999999999999999999999999999999999999"};
    app.UserFile = "Emp";
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        ui.clearShown();
        DialogState& d = open();
        const StateTaxSettings before = app.state;
        d.txtStateMinBS[0] = "5";  // a box before the bad one
        d.txtStateAmtBS[1] = text;
        d.txtStatePerBS[1] = "0.5";  // after it
        d.OKButton_Click();
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0], "You have entered a NON numerial.");
        EXPECT_FALSE(dir.has("Emp.sta"));
        EXPECT_TRUE(d.loaded);  // the dialog stays open
        // No field reaches the record, so no later save writes half an edit.
        EXPECT_EQ(app.state, before);
        d.CancelButton_Click();
    }
}

TEST_F(StateDialog, MakeDefaultWithABoxThatIsNoNumberStops) {
    app.UserFile = "Emp";
    DialogState& d = open();
    const StateTaxSettings before = app.state;
    d.txtStateMinBS[0] = "5";
    d.txtStateAdj = "1 2";
    d.cmdMkDefault_Click();
    EXPECT_EQ(app.state, before);
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"You have entered a NON numerial."});
    EXPECT_FALSE(dir.has("Emp.sta"));
    EXPECT_FALSE(dir.has(".sta"));
}

TEST_F(StateDialog, NoStateTaxThenCancelKeepsTheRecordAndTheFile) {
    writeEmployee("Emp", 0.05f);
    const std::string before = dir.read("Emp.sta");
    DialogState& d = open();
    d.ckOregon = 1;
    d.setCheck(d.ckNoStateTax, 1);
    EXPECT_EQ(d.txtStateMinBS[0], "999999");
    EXPECT_EQ(d.txtStatePerBS[0], "0");
    EXPECT_EQ(d.txtStateMarExp[5], "0");
    EXPECT_EQ(d.ckOregon, 0);
    EXPECT_FALSE(d.ckSpouseVisible);
    EXPECT_EQ(app.state.NoStateTax, 0);  // only SAVE moves the box into the record

    d.CancelButton_Click();
    EXPECT_EQ(app.state.NoStateTax, 0);
    EXPECT_FLOAT_EQ(app.state.StatePerBS[0], 0.05f);
    // A save of the employee before the dialog is opened again keeps the tables.
    ASSERT_TRUE(SaveStateFile(app));
    EXPECT_EQ(dir.read("Emp.sta"), before);
    EXPECT_EQ(open().txtStatePerBS[0], "0.05");
}

TEST_F(StateDialog, NoStateTaxSavedClearsTheTablesAndLoadingItClearsThemAgain) {
    writeEmployee("Emp", 0.05f);
    DialogState& d = open();
    d.setCheck(d.ckNoStateTax, 1);
    d.OKButton_Click();
    EXPECT_EQ(app.state.NoStateTax, 1);
    EXPECT_FLOAT_EQ(app.state.StateMinBS[0], 999999.0f);

    // A file whose flag is 1 but whose tables hold numbers: loading still clears the boxes.
    writeEmployee("Other", 0.07f, 1);
    DialogState& o = open();
    EXPECT_EQ(o.ckNoStateTax, 1);
    EXPECT_EQ(o.txtStatePerBS[0], "0");
    EXPECT_EQ(o.txtStateMinBS[3], "999999");
}

TEST_F(StateDialog, UncheckingNoStateTaxRefillsTheTablesFromTheRecord) {
    writeEmployee("Emp", 0.05f);
    DialogState& d = open();
    d.setCheck(d.ckNoStateTax, 1);
    d.setCheck(d.ckNoStateTax, 0);
    EXPECT_EQ(d.txtStatePerBS[0], "0.05");
    EXPECT_EQ(d.txtStateMinBS[1], "327");
    EXPECT_EQ(d.txtStateSgExp[0], "284.6");
}

TEST_F(StateDialog, MakeDefaultWritesTheDefaultFileAndKeepsTheEmployee) {
    writeEmployee("Emp", 0.05f);
    DialogState& d = open();
    d.txtStatePerBS[0] = "0.06";
    d.cmdMkDefault_Click();
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(app.UserFile, "Emp");
    EXPECT_FALSE(d.loaded);
    // The employee is saved first; the default write leaves its file alone.
    const std::string employee = dir.read("Emp.sta");
    EXPECT_EQ(dir.read(".sta"), employee);
    EXPECT_NE(employee.find(".06,"), std::string::npos);

    // "Get Default" reads it back for another employee.
    app.UserFile = "New";
    DialogState& n = open();
    EXPECT_EQ(n.txtStatePerBS[0], "0.04");
    n.cmdGetDefault_Click();
    EXPECT_EQ(n.txtStatePerBS[0], "0.06");
    EXPECT_FALSE(dir.has("New.sta"));  // nothing is saved until SAVE
}

TEST_F(StateDialog, GetDefaultWithoutADefaultFileChangesNoTable) {
    writeEmployee("Emp", 0.05f);
    DialogState& d = open();
    d.txtStatePerBS[0] = "0.09";
    app.state.UseMass = 1;
    app.state.RoundState = 1;
    app.profile.StateExemptions = 3;
    d.cmdGetDefault_Click();
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(d.txtStatePerBS[0], "0.09");
    EXPECT_EQ(d.ckMass, 1);
    EXPECT_EQ(d.ckRoundOff, 1);
}

TEST_F(StateDialog, NewYorkWritesItsTablesAndKeepsTypedSdi) {
    DialogState& d = open();
    d.ckMissouri = 1;
    d.ckRoundOff = 1;
    d.ckSpouseVisible = true;
    d.setTableRowsEnabled(0, 9, false);
    d.setTableLabelsEnabled(false);
    d.txtStateMinBS[8] = "1";
    d.txtStateSgExp[3] = "";
    d.txtSDIpercent = "1.2";
    d.txtSUIpercent.clear();
    d.cmdDefault_Click();
    EXPECT_EQ(d.txtStateMinBS[8], "6213");
    EXPECT_EQ(d.txtStateMinBM[8], "6063");
    EXPECT_EQ(d.txtStateSgExp[3], "400.1");
    EXPECT_EQ(d.txtSDIpercent, "1.2");
    EXPECT_EQ(d.txtSUIpercent, "0");
    EXPECT_EQ(d.ckMissouri, 0);
    EXPECT_EQ(d.ckRoundOff, 0);
    EXPECT_FALSE(d.ckSpouseVisible);
    EXPECT_TRUE(d.txtStateMinBSEnabled[9]);
    EXPECT_TRUE(d.Frame1Enabled);
    EXPECT_EQ(d.Label[14], "Single");
    EXPECT_EQ(d.Label[21], "BiWeekly");
    EXPECT_FALSE(app.form1().ckLouisPriorVisible);
    // The record changes only at SAVE.
    EXPECT_FLOAT_EQ(app.state.StateMinBS[8], 6063.0f);
}

TEST_F(StateDialog, ClearAllThenSaveLeavesNoTableTax) {
    DialogState& d = open();
    d.ckRoundOff = 1;
    d.ckSpouse = 1;
    d.ckSpouseVisible = true;
    d.ckIowa = 1;
    d.txtCalAllow = "3";
    d.cmdClearAll_Click();
    EXPECT_EQ(d.ckIowa, 1);  // method boxes are left alone
    EXPECT_EQ(d.ckRoundOff, 0);
    EXPECT_EQ(d.ckSpouse, 0);
    EXPECT_FALSE(d.ckSpouseVisible);
    d.ckIowa = 0;
    d.OKButton_Click();
    for (int r = 0; r < 10; ++r) {
        EXPECT_FLOAT_EQ(app.state.StateMinBS[r], 999999.0f);
        EXPECT_EQ(app.state.StateAmtBM[r], 0.0f);
        EXPECT_EQ(app.state.StateSgExp[r], 0.0f);
    }
    app.profile.BiWeekly = true;
    app.profile.StateStatus = "Single";
    app.period.TaxableWages = 5000;
    app.period.StateTax = 0.0f;
    RunStateMethods(app);
    EXPECT_FLOAT_EQ(static_cast<float>(app.period.StateTax.number()), -3.0f);
}

TEST_F(StateDialog, UseBaseBoxesSwitchTheirCaptionAndClearTheRate) {
    DialogState& d = open();
    d.txtSDIpercent = "1.2";
    d.txtSUIpercent = "3.4";
    d.setCheck(d.ckSDI, 1);
    EXPECT_EQ(d.Label[26], "Wage Base");
    EXPECT_EQ(d.txtSDIpercent, "1.2");
    d.setCheck(d.ckSDI, 0);
    EXPECT_EQ(d.Label[26], "Flat Rate");
    EXPECT_EQ(d.txtSDIpercent, "0");
    d.setCheck(d.ckSUI, 1);
    EXPECT_EQ(d.Label[23], "Wage Base");
    d.setCheck(d.ckSUI, 0);
    EXPECT_EQ(d.txtSUIpercent, "0");
    // The opening captions the labels from the loaded boxes.
    d.txtSDIpercent = "1";
    d.setCheck(d.ckSDI, 1);
    app.UserFile = "Emp";
    d.OKButton_Click();
    EXPECT_EQ(open().Label[26], "Wage Base");
    EXPECT_EQ(app.dialogState().Label[23], "Flat Rate");
}

TEST_F(StateDialog, MethodBoxPressedWithTheMouseClearsTheOthers) {
    struct Case {
        MB box;
        int roundAfter;  // -1: unchanged
        bool spouseShown;
        bool louisPrior;
        bool biweeklyLabels;
    };
    const Case cases[] = {
        {MB::Ariz, 0, false, false, true},    {MB::Louis, 0, false, true, true},
        {MB::Iowa, -1, false, false, false},  {MB::Missouri, -1, true, false, true},
        {MB::Mass, 0, false, false, true},    {MB::Oregon, 0, false, false, true},
        {MB::Kentucky, 0, false, false, true}, {MB::Utah, 0, true, false, true},
        {MB::Alabama, 0, false, false, true}, {MB::Wiscon, 0, false, false, true},
        {MB::WisconApril, 0, false, false, true}, {MB::NC, 1, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(DialogState::methodCaption(c.box)));
        DialogState& d = open();
        for (const StateMethodRow& m : kStateMethods) d.methodBox(m.box) = 1;
        d.methodBox(c.box) = 0;
        d.ckRoundOff = 1;
        d.ckSpouseVisible = false;
        d.ckNoStateTax = 1;
        app.form1().ckLouisPriorVisible = !c.louisPrior;
        d.pressMethodBox(c.box);
        for (const StateMethodRow& m : kStateMethods) EXPECT_EQ(d.methodBox(m.box), m.box == c.box ? 1 : 0);
        EXPECT_EQ(d.ckNoStateTax, 0);
        EXPECT_EQ(d.ckRoundOff, c.roundAfter < 0 ? 1 : c.roundAfter);
        if (c.box != MB::Utah) {
            EXPECT_EQ(d.ckSpouseVisible, c.spouseShown);  // Utah's preset hides it again
        }
        EXPECT_EQ(app.form1().ckLouisPriorVisible, c.louisPrior);
        EXPECT_EQ(d.LabelVisible[19], c.biweeklyLabels);
        // A second press unchecks the box.
        d.pressMethodBox(c.box);
        EXPECT_EQ(d.methodBox(c.box), 0);
        d.unload();
    }
}

TEST_F(StateDialog, ArizonaChangesNoTableAndKeyboardTogglesRunNothing) {
    DialogState& d = open();
    d.txtStatePerBS[2] = "0.11";
    d.ckOregon = 1;
    d.pressMethodBox(MB::Ariz);
    EXPECT_EQ(d.txtStatePerBS[2], "0.11");
    EXPECT_EQ(d.txtStateMinBS[1], "327");
    // From the keyboard a method box is a plain value: nothing else changes.
    d.setCheck(d.ckIowa, 1);
    EXPECT_EQ(d.ckAriz, 1);
    EXPECT_EQ(d.ckIowa, 1);
    EXPECT_TRUE(d.LabelVisible[19]);
}

TEST_F(StateDialog, TwoMethodFlagsSavedAreBothStored) {
    app.UserFile = "Emp";
    DialogState& d = open();
    d.ckOregon = 1;
    d.ckMass = 1;
    d.OKButton_Click();
    EXPECT_EQ(app.state.UseOregon, 1);
    EXPECT_EQ(app.state.UseMass, 1);
    const std::string text = dir.read("Emp.sta");
    EXPECT_NE(text.find(",1,1,0,0\r\n"), std::string::npos);  // Mass, Oregon, Kentucky, Missouri
}

TEST_F(StateDialog, KeyFilterAndSelectOnEntry) {
    for (char k : std::string("0123456789 -.\b")) EXPECT_TRUE(DialogState::txtBox_KeyPress(k)) << int(k);
    for (char k : std::string("aZ,$+e\t\r")) EXPECT_FALSE(DialogState::txtBox_KeyPress(k)) << int(k);
    DialogState& d = open();
    EXPECT_TRUE(d.selectsAllOnEntry(d.txtSDIpercent));
    EXPECT_TRUE(d.selectsAllOnEntry(d.txtSUIwageBase));
    EXPECT_TRUE(d.selectsAllOnEntry(d.txtCalAllow));
    EXPECT_FALSE(d.selectsAllOnEntry(d.txtStateMinBS[0]));
}

TEST_F(StateDialog, MenuShowsTheDialogAndTheSpouseBoxForMissouri) {
    DialogState& d = app.dialogState();
    d.ShowFromMenu();
    EXPECT_TRUE(d.visible);
    EXPECT_FALSE(d.ckSpouseVisible);
    d.ckMissouri = 1;
    d.hide();
    d.ShowFromMenu();
    EXPECT_TRUE(d.ckSpouseVisible);
}

}  // namespace
}  // namespace qv::test
