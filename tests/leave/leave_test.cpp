#include <gtest/gtest.h>

#include "employee/employee_session.h"
#include "leave/dialog_vac.h"
#include "leave/leave_balances.h"
#include "platform/headless/recording_help_viewer.h"
#include "shell/frm_date.h"

namespace qv {
namespace {

using Leave = testing::EmployeeSession;
using Kind = DialogVac::Kind;

void type(DialogVac& d, Kind k, std::size_t row, const std::string& keys) {
    for (char c : keys) d.daysBox_KeyPress(k, row, c);
}

TEST_F(Leave, TheBalanceFollowsEveryKeystroke) {
    DialogVac& d = app.dialogVac();
    d.open();
    EXPECT_EQ(d.txtVacBal, "0");
    d.txtVacBal.clear();
    for (char c : std::string("10")) d.startBox_KeyPress(Kind::Vacation, c);
    EXPECT_EQ(d.lbVacBal, "10");
    type(d, Kind::Vacation, 0, "\b1.5");
    EXPECT_EQ(d.lbVacBal, "8.5");
    type(d, Kind::Vacation, 1, "\b2");
    EXPECT_EQ(d.lbVacBal, "6.5");
    // Other kinds are untouched.
    EXPECT_EQ(d.lbHolBal, "0");
    ASSERT_TRUE(d.SaveVac());
    EXPECT_EQ(app.leave.VacBal, 6.5f);
    EXPECT_EQ(app.leave.VacStart, 10.0f);
    EXPECT_EQ(app.leave.VacTaken[0], 1.5f);
    EXPECT_EQ(app.leave.VacTaken[1], 2.0f);
}

TEST_F(Leave, DaysBoxesRefuseLettersAndTakeNegatives) {
    DialogVac& d = app.dialogVac();
    d.open();
    d.txtSickBal = "5";
    d.box_Change(Kind::Sick);
    EXPECT_FALSE(d.daysBox_KeyPress(Kind::Sick, 3, 'a'));
    EXPECT_EQ(d.txtScnt[3], "0");
    d.txtScnt[3].clear();
    type(d, Kind::Sick, 3, "-1");
    EXPECT_EQ(d.txtScnt[3], "-1");
    EXPECT_EQ(d.lbSickBal, "6");
    EXPECT_FALSE(d.startBox_KeyPress(Kind::Sick, 'x'));
    EXPECT_FALSE(d.daysBox_KeyPress(Kind::Sick, 20, '1'));
}

TEST_F(Leave, ClearAllEmptiesTheLog) {
    copyFixture("profile", "Smith");
    app.UserFile = "Smith";
    DialogVac& d = app.dialogVac();
    d.open();
    EXPECT_EQ(d.lbVacBal, "6.5");
    d.cmdClear_Click();
    for (Kind k : {Kind::Vacation, Kind::Holiday, Kind::Sick}) {
        EXPECT_EQ(d.balanceLabel(k), "0");
        EXPECT_EQ(d.startBox(k), "0");
        for (std::size_t i = 0; i < kLeaveRows; ++i) {
            EXPECT_EQ(d.daysBoxes(k)[i], "0");
            EXPECT_EQ(d.dateBoxes(k)[i], "");
        }
    }
    EXPECT_EQ(app.leave, LeaveBalances{});
}

TEST_F(Leave, TheHandWrittenFileLoadsAndSavesBackByteForByte) {
    copyFixture("profile", "Smith");
    app.UserFile = "Smith";
    DialogVac& d = app.dialogVac();
    ASSERT_TRUE(d.GetVac());
    EXPECT_FALSE(d.visible);
    const LeaveBalances& lv = app.leave;
    EXPECT_EQ(lv.VacBal, 6.5f);
    EXPECT_EQ(lv.VacStart, 10.0f);
    EXPECT_EQ(lv.HolBal, 1.0f);
    EXPECT_EQ(lv.HolStart, 3.0f);
    EXPECT_EQ(lv.SickStart, 5.0f);
    EXPECT_EQ(lv.VacTaken[0], 1.5f);
    EXPECT_EQ(lv.VacTaken[1], 2.0f);
    EXPECT_EQ(lv.HolTaken[2], 2.0f);
    EXPECT_EQ(lv.VacDate[0], "1/2/2018");
    EXPECT_EQ(lv.VacDate[1], "2/5/2018");
    EXPECT_EQ(lv.HolDate[2], "3/1/2018");
    EXPECT_EQ(d.txtVdate[1], "2/5/2018");
    EXPECT_EQ(d.txtHcnt[2], "2");
    EXPECT_EQ(d.lbHolBal, "1");

    std::filesystem::remove(dir / "Smith.hol");
    ASSERT_TRUE(d.SaveVac());
    EXPECT_EQ(dir.read("Smith.hol"), fixtureText("profile", "Smith.hol"));
}

TEST_F(Leave, EveryFieldSurvivesSaveAndLoad) {
    app.UserFile = "R";
    LeaveBalances& lv = app.leave;
    lv.VacStart = 12.5f;
    lv.HolStart = 4;
    lv.SickStart = 0.5f;
    for (std::size_t i = 0; i < kLeaveRows; ++i) {
        lv.VacTaken[i] = 0.25f * static_cast<float>(i);
        lv.SickTaken[i] = i % 3 == 0 ? -1.0f : 0.0f;
        lv.VacDate[i] = "day " + std::to_string(i) + ", noon";
        lv.SickDate[i] = i == 7 ? "say \"hi\"" : "";
    }
    lv.VacBal = -35;
    lv.HolBal = 4;
    lv.SickBal = 7.5f;
    LeaveBalances expected = lv;
    expected.SickDate[7] = "say 'hi'";
    ASSERT_TRUE(saveLeaveFile(app));
    EXPECT_EQ(lineCount(dir.read("R.hol")), 41);
    app.leave = LeaveBalances{};
    ASSERT_TRUE(loadLeaveFile(app));
    EXPECT_EQ(app.leave, expected);
}

TEST_F(Leave, AnUnreadableFileIsReportedAndTheBalancesStay) {
    const char* contents[] = {
        "6.5,10,1,3,5,5\r\n1.5,0,0\r\n",              // too few lines
        "6.5,ten,1,3,5,5\r\n",                         // text for a number
    };
    for (const char* content : contents) {
        SCOPED_TRACE(content);
        app.UserFile = "Bad";
        dir.write("Bad.hol", content);
        app.leave = LeaveBalances{};
        app.leave.VacStart = 3;
        app.leave.VacDate[4] = "kept";
        const LeaveBalances before = app.leave;
        ui.clearShown();
        DialogVac& d = app.dialogVac();
        EXPECT_FALSE(d.GetVac());
        EXPECT_EQ(ui.messages(), std::vector<std::string>{corrupt("Bad.hol")});
        EXPECT_EQ(app.leave, before);
        EXPECT_EQ(d.txtVdate[4], "kept");
        d.unload();
    }
}

TEST_F(Leave, WithoutAFileTheBalancesInMemoryStay) {
    app.leave.VacStart = 8;
    app.leave.VacTaken[0] = 1;
    app.UserFile = "Fresh";
    DialogVac& d = app.dialogVac();
    d.open();
    EXPECT_EQ(d.lbVacBal, "7");
    EXPECT_EQ(app.leave.VacStart, 8.0f);
    EXPECT_TRUE(ui.messages().empty());
    ASSERT_TRUE(d.SaveVac());
    EXPECT_TRUE(dir.has("Fresh.hol"));
}

TEST_F(Leave, ClosingWithoutSaveLosesTheEditsAtTheNextOpening) {
    DialogVac& d = app.dialogVac();
    d.open();
    d.txtVacBal = "9";
    d.close();
    EXPECT_EQ(d.txtVacBal, "9");
    d.open();
    EXPECT_EQ(d.txtVacBal, "0");
}

TEST_F(Leave, AFailedSaveIsReportedAndKeepsTheWindowOpen) {
    app.UserFile = "W";
    std::filesystem::create_directories(dir / "W.hol" / "x");
    DialogVac& d = app.dialogVac();
    d.open();
    d.OKButton_Click();
    EXPECT_TRUE(d.visible);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].find("W.hol"), std::string::npos);
}

TEST_F(Leave, ADateBoxTakesThePickedDate) {
    DialogVac& d = app.dialogVac();
    d.open();
    d.txtHdate[5] = "7/1/2018";
    d.dateBox_Click(Kind::Holiday, 5);
    FrmDate& picker = app.frmDate();
    ASSERT_TRUE(picker.visible);
    EXPECT_EQ(picker.DTPicker1, (Date{2018, 7, 1}));
    picker.DTPicker1_Change(Date{2018, 7, 4});
    // Closing by the frame keeps what the change wrote.
    picker.Form_QueryUnload();
    EXPECT_EQ(d.txtHdate[5], "7/4/2018");
    EXPECT_EQ(d.txtHdate[4], "");
    EXPECT_EQ(d.txtVdate[5], "");
    EXPECT_EQ(d.txtSdate[5], "");
    // A box holding no date is set to today's date.
    d.txtSdate[6] = "next week";
    d.dateBox_Click(Kind::Sick, 6);
    EXPECT_EQ(d.txtSdate[6], "6/15/2018");
    EXPECT_EQ(picker.DTPicker1, (Date{2018, 6, 15}));
}

TEST_F(Leave, HelpOpensTheContents) {
    platform::RecordingHelpViewer viewer;
    app.helpViewer = &viewer;
    dir.write("Qvhelp.html", "<html></html>");
    app.dialogVac().mnuHelp_Click();
    ASSERT_EQ(viewer.requests().size(), 1u);
    EXPECT_EQ(viewer.requests()[0].file, dir / "Qvhelp.html");
    EXPECT_EQ(viewer.requests()[0].topic, platform::HelpTopic::Contents);
}

}  // namespace
}  // namespace qv
