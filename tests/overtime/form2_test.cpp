#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_io.h"
#include "employee/profile_files.h"
#include "overtime/form2.h"
#include "paysheet/form1.h"
#include "platform/headless/scripted_ui.h"
#include "support/app_fixture.h"
#include "shell/frm_date.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class OvertimeTrackerWindow : public testing::AppTest {
protected:
    OvertimeTrackerWindow() : AppTest(Date{2018, 3, 9}, "qv_ot_") {}
    void SetUp() override {
        // The pay sheet starts first (its start-up writes the default
        // profile files), then Ann is the employee.
        app.form1();
        app.UserFile = "Ann";
        app.profile.Weekly = true;
    }

    void setBiWeekly() {
        app.profile.Weekly = false;
        app.profile.BiWeekly = true;
    }
    Form2& f() { return app.form2(); }
};

TEST_F(OvertimeTrackerWindow, TotalOfTheWorkedExample) {
    openOvertimeTracker(app);
    ui.clearShown();  // the pay sheet's own start-up messages
    f().txtAnnual = "50000";
    f().txtApPercent = "10";
    f().txtOT[0] = "100";
    f().txtOT[1] = "250";
    f().txtOT[2] = "";
    f().cmdADD_Click();
    const OvertimeTracker& ot = app.overtime;
    EXPECT_FLOAT_EQ(ot.OtEarned, 350);
    EXPECT_FLOAT_EQ(ot.OtMax, 5000);
    EXPECT_FLOAT_EQ(ot.OtAvail, 4650);
    EXPECT_EQ(ot.OtPercent, 0.007f);
    EXPECT_FLOAT_EQ(ot.AnnualSalary, 50000);
    EXPECT_FLOAT_EQ(ot.ApPercent, 10);
    EXPECT_EQ(f().lbEarned, "$350.00");
    EXPECT_EQ(f().lbMax, "$5,000.00");
    EXPECT_EQ(f().lbAvail, "$4,650.00");
    EXPECT_EQ(f().txtPercent, ".7%");
    EXPECT_EQ(f().txtOT[2], "0");
    EXPECT_EQ(ot.OtAmount[1], "250");
    EXPECT_TRUE(fileExists(dir / "Ann.use"));
    EXPECT_TRUE(fileExists(dir / "Ann.ovw"));
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(OvertimeTrackerWindow, ReminderOnTotalButNeverOnRepaint) {
    openOvertimeTracker(app);
    struct Case { const char* annual; const char* percent; bool remind; };
    for (Case c : {Case{"0", "0", true}, Case{"", "10", true}, Case{"50000", "", true}, Case{"50000", "0", false}}) {
        ui.clearShown();
        f().txtAnnual = c.annual;
        f().txtApPercent = c.percent;
        f().Form_Paint();
        EXPECT_TRUE(ui.messages().empty()) << c.annual << "/" << c.percent;
        f().cmdADD_Click();
        if (c.remind) {
            ASSERT_EQ(ui.messages().size(), 1u);
            EXPECT_EQ(ui.messages()[0], "Please enter amounts in\r\nAnnual Salary and\r\nApproved Percent Boxes.");
            EXPECT_EQ(ui.shown()[0].title, "Attention");
        } else {
            EXPECT_TRUE(ui.messages().empty());
        }
    }
}

TEST_F(OvertimeTrackerWindow, ZeroSalaryWithAPercentageDoesNotDivideByZero) {
    openOvertimeTracker(app);
    ui.clearShown();  // the pay sheet's own start-up messages
    f().txtAnnual = "0";
    f().txtApPercent = "5";
    f().txtOT[0] = "100";
    f().cmdADD_Click();
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(app.overtime.OtPercent, 0);
    EXPECT_EQ(app.overtime.OtMax, 0);
    EXPECT_FLOAT_EQ(app.overtime.OtAvail, -100);
    auto use = readWholeFile(dir / "Ann.use");
    ASSERT_TRUE(use);
    for (const char* bad : {"inf", "nan", "INF", "NAN"}) EXPECT_EQ(use->find(bad), std::string::npos) << *use;
}

TEST_F(OvertimeTrackerWindow, BiWeeklyTotalCountsTheRowOutOfSight) {
    setBiWeekly();
    openOvertimeTracker(app);
    EXPECT_FALSE(f().secondColumnVisible);
    EXPECT_EQ(f().Width, 5055);
    f().txtAnnual = "30000";
    f().txtApPercent = "10";
    f().txtOT[25] = "10";
    f().txtOT[26] = "20";
    f().txtOT[27] = "999";  // not in use
    f().cmdADD_Click();
    EXPECT_FLOAT_EQ(app.overtime.OtEarned, 30);
    EXPECT_TRUE(fileExists(dir / "Ann.ovb"));
    EXPECT_FALSE(fileExists(dir / "Ann.ovw"));
}

TEST_F(OvertimeTrackerWindow, OpeningShowsThePaySheetAndSuggestsASalary) {
    Form1& sheet = app.form1();
    sheet.ensureLoaded();
    sheet.txtWeek = "3/9/2018";
    sheet.lbOverT = "45.00";
    app.overtime.OtWeekEnd[3] = "1/26/2018";
    app.overtime.OtAmount[3] = "12.5";
    openOvertimeTracker(app);
    EXPECT_TRUE(f().visible);
    EXPECT_EQ(f().Caption, "OverTime Percentage");
    EXPECT_EQ(f().lbWk, "3/9/2018");
    EXPECT_EQ(f().lb_OT, "45.00");
    EXPECT_EQ(f().txtAnnual, "25600");
    EXPECT_EQ(f().txtApPercent, "0");
    EXPECT_EQ(f().Text1[3], "1/26/2018");
    EXPECT_EQ(f().txtOT[3], "12.5");
    EXPECT_EQ(f().txtOT[52], "0");
    EXPECT_TRUE(f().secondColumnVisible);
    EXPECT_EQ(f().Width, 7725);
    // Open again: the boxes as the user left them.
    f().txtOT[3] = "13";
    openOvertimeTracker(app);
    EXPECT_EQ(f().txtOT[3], "13");
}

TEST_F(OvertimeTrackerWindow, NewWeekShiftsTheRowsUp) {
    openOvertimeTracker(app);
    for (int i = 0; i < 53; ++i) {
        f().Text1[static_cast<std::size_t>(i)] = "d" + std::to_string(i);
        f().txtOT[static_cast<std::size_t>(i)] = std::to_string(i);
    }
    f().cmdAdvance_Click();
    EXPECT_EQ(f().Text1[0], "d1");
    EXPECT_EQ(f().txtOT[51], "52");
    EXPECT_EQ(f().Text1[52], "");
    EXPECT_EQ(f().txtOT[52], "0");
    EXPECT_FALSE(fileExists(dir / "Ann.ovw"));  // saved only by TOTAL or Back
}

TEST_F(OvertimeTrackerWindow, UndoReturnsToTheLastTotalAndBackSavesAndCloses) {
    openOvertimeTracker(app);
    f().txtAnnual = "40000";
    f().txtApPercent = "5";
    f().txtOT[0] = "100";
    f().cmdADD_Click();
    f().txtOT[0] = "900";
    f().txtAnnual = "1";
    f().cmdAdvance_Click();
    f().cmdUndo_Click();
    EXPECT_EQ(f().txtOT[0], "100");
    EXPECT_EQ(f().txtAnnual, "40000");
    EXPECT_EQ(f().txtApPercent, "5");

    f().txtOT[1] = "75";
    f().Text1[1] = "2/2/2018";
    f().cmdClose_Click();
    EXPECT_FALSE(f().loaded);
    EXPECT_EQ(app.overtime.OtAmount[1], "75");
    App other(ui, clock, dir);
    other.UserFile = "Ann";
    other.profile.Weekly = true;
    ASSERT_TRUE(LoadProfile(other));
    EXPECT_EQ(other.overtime.OtWeekEnd[1], "2/2/2018");
    EXPECT_EQ(other.overtime.OtAmount[1], "75");
}

TEST_F(OvertimeTrackerWindow, ClearAllForANewEmployee) {
    openOvertimeTracker(app);
    f().txtAnnual = "0";
    f().txtOT[4] = "30";
    f().Text1[4] = "x";
    f().ClearAll();
    EXPECT_EQ(f().txtAnnual, "11440");
    EXPECT_EQ(f().txtApPercent, "0");
    EXPECT_EQ(f().txtOT[4], "0");
    EXPECT_EQ(f().Text1[4], "");
    EXPECT_EQ(app.overtime.AnnualSalary, 11440);
    EXPECT_EQ(app.overtime.OtMax, 0);
    EXPECT_EQ(app.overtime.OtAvail, 0);
    EXPECT_EQ(f().lbMax, "$.00");
}

TEST_F(OvertimeTrackerWindow, KeyboardMovesAndInputRules) {
    struct Move { bool weekly; Form2::Box from; int row; int key; Form2::Box to; int toRow; };
    using B = Form2::Box;
    const Move moves[] = {
        {true, B::Amount, 5, Form2::kKeyEnter, B::Amount, 6},   {true, B::Amount, 52, Form2::kKeyEnter, B::Amount, 0},
        {false, B::Amount, 25, Form2::kKeyEnter, B::Amount, 0}, {true, B::WeekEnd, 52, Form2::kKeyEnter, B::WeekEnd, 0},
        {true, B::Amount, 51, Form2::kKeyDown, B::Amount, 52},  {true, B::Amount, 52, Form2::kKeyDown, B::None, 0},
        {false, B::Amount, 25, Form2::kKeyDown, B::None, 0},    {true, B::Amount, 0, Form2::kKeyUp, B::None, 0},
        {true, B::WeekEnd, 1, Form2::kKeyUp, B::WeekEnd, 0},    {true, B::Amount, 51, Form2::kKeyLeft, B::WeekEnd, 51},
        {true, B::Amount, 52, Form2::kKeyLeft, B::None, 0},     {false, B::Amount, 26, Form2::kKeyLeft, B::WeekEnd, 26},
        {true, B::WeekEnd, 7, Form2::kKeyRight, B::Amount, 7},  {true, B::WeekEnd, 7, Form2::kKeyLeft, B::None, 0},
    };
    for (const Move& m : moves) {
        app.profile.Weekly = m.weekly;
        app.profile.BiWeekly = !m.weekly;
        f().gotFocus(B::None);
        if (m.key == Form2::kKeyEnter) {
            char k = '\r';
            if (m.from == B::Amount) f().txtOT_KeyPress(m.row, k);
            else f().Text1_KeyPress(m.row, k);
            EXPECT_EQ(k, 0);
        } else if (m.from == B::Amount) {
            f().txtOT_KeyDown(m.row, m.key);
        } else {
            f().Text1_KeyDown(m.row, m.key);
        }
        EXPECT_EQ(f().focusBox, m.to) << m.weekly << " row " << m.row << " key " << m.key;
        if (m.to != B::None) {
            EXPECT_EQ(f().focusRow, m.toRow) << m.weekly << " row " << m.row << " key " << m.key;
            EXPECT_TRUE(f().focusTextSelected);
        }
    }
    for (char key : {'a', ',', '$'}) {
        char k = key;
        f().txtOT_KeyPress(0, k);
        EXPECT_EQ(k, 0);
        k = key;
        f().txtAnnual_KeyPress(k);
        EXPECT_EQ(k, 0);
        k = key;
        f().txtApPercent_KeyPress(k);
        EXPECT_EQ(k, 0);
    }
    char k = '7';
    f().txtOT_KeyPress(0, k);
    EXPECT_EQ(k, '7');
    k = 'x';
    f().Text1_KeyPress(0, k);  // dates take any key
    EXPECT_EQ(k, 'x');
}

TEST_F(OvertimeTrackerWindow, WeekEndingPickerWritesOnlyItsRow) {
    openOvertimeTracker(app);
    f().Text1[12] = "1/5/2018";
    f().Text1_Click(12);
    FrmDate& picker = app.frmDate();
    ASSERT_TRUE(picker.visible);
    EXPECT_EQ(picker.DTPicker1, (Date{2018, 1, 5}));
    EXPECT_EQ(picker.cmdOKCaption(), "&OK");
    picker.DTPicker1_Change(Date{2018, 2, 9});
    picker.cmdOK_Click();
    EXPECT_FALSE(picker.visible);
    EXPECT_EQ(f().Text1[12], "2/9/2018");
    EXPECT_EQ(f().Text1[11], "");
    EXPECT_EQ(f().Text1[13], "");
}

}  // namespace
}  // namespace qv
