#include <gtest/gtest.h>

#include "employee/employee_session.h"
#include "paysheet/form1.h"
#include "platform/headless/recording_help_viewer.h"
#include "shell/frm_about_spcl.h"
#include "shell/frm_date_main.h"
#include "shell/help.h"

namespace qv {
namespace {

using Shell = testing::EmployeeSession;
using platform::HelpTopic;

TEST_F(Shell, PayDatePickerWritesEveryChangeAtOnce) {
    Form1& sheet = app.form1();
    sheet.txtWeek = "12/8/2017";
    sheet.txtWeek_Click();
    FrmDateMain& picker = app.frmDateMain();
    ASSERT_TRUE(picker.visible);
    EXPECT_EQ(picker.cmdOKCaption(), "Ok");
    EXPECT_EQ(picker.DTPicker1, (Date{2017, 12, 8}));
    picker.DTPicker1_Change(Date{2017, 12, 15});
    EXPECT_EQ(sheet.txtWeek, "12/15/2017");
    // Closing by the frame keeps what the change wrote.
    picker.Form_QueryUnload();
    EXPECT_FALSE(picker.visible);
    EXPECT_EQ(sheet.txtWeek, "12/15/2017");
    // "Ok" writes the date once more and closes.
    sheet.txtWeek_Click();
    sheet.txtWeek = "typed meanwhile";
    picker.cmdOK_Click();
    EXPECT_EQ(sheet.txtWeek, "12/15/2017");
    EXPECT_FALSE(picker.loaded);
}

TEST_F(Shell, PickerOffersOnlyItsRange) {
    Form1& sheet = app.form1();
    FrmDateMain& picker = app.frmDateMain();
    struct Case {
        const char* what;
        Date today;
        const char* box;
        const char* boxAfter;
        Date start;
    };
    const Case cases[] = {
        {"empty box, today in range", {2018, 6, 15}, "", "6/15/2018", {2018, 6, 15}},
        {"no date, today in range", {2018, 6, 15}, "next week", "6/15/2018", {2018, 6, 15}},
        {"first day of the range", {2018, 6, 15}, "12/1/2017", "12/1/2017", {2017, 12, 1}},
        {"last day of the range", {2018, 6, 15}, "1/31/2019", "1/31/2019", {2019, 1, 31}},
        {"a day before the range", {2018, 6, 15}, "11/30/2017", "6/15/2018", {2018, 6, 15}},
        {"a day after the range", {2018, 6, 15}, "2/1/2019", "6/15/2018", {2018, 6, 15}},
        {"today after the range", {2025, 3, 4}, "", "3/4/2025", {2018, 1, 1}},
        {"today before the range", {2017, 11, 2}, "2/30/2018", "11/2/2017", {2018, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clock.set(c.today);
        sheet.txtWeek = c.box;
        sheet.txtWeek_Click();
        EXPECT_EQ(sheet.txtWeek, c.boxAfter);
        EXPECT_EQ(picker.DTPicker1, c.start);
        picker.Form_QueryUnload();
    }
    // A date outside the range is not taken.
    clock.set(Date{2018, 6, 15});
    sheet.txtWeek = "3/2/2018";
    sheet.txtWeek_Click();
    picker.DTPicker1_Change(Date{2019, 2, 1});
    picker.DTPicker1_Click();
    EXPECT_EQ(picker.DTPicker1, (Date{2018, 3, 2}));
    EXPECT_EQ(sheet.txtWeek, "3/2/2018");
}

TEST_F(Shell, AboutShowsTheVersion) {
    app.form1().mnuAbout_Click();
    FrmAboutSpcl& about = app.frmAboutSpcl();
    EXPECT_TRUE(about.visible);
    EXPECT_EQ(about.lblVersion, "Version 18.0.0");
    EXPECT_EQ(FrmAboutSpcl::kBrand, "VORNAXEL");
    about.cmdOK_Click();
    EXPECT_FALSE(about.visible);
}

class Help : public Shell {
protected:
    void SetUp() override {
        Shell::SetUp();
        app.helpViewer = &viewer;
        shipped = dir / "shipped";
        std::filesystem::create_directories(shipped / "help");
        dir.write("shipped/help/Qvhelp.html", "<html>shipped</html>");
    }
    platform::RecordingHelpViewer viewer;
    std::filesystem::path shipped;
};

TEST_F(Help, TheWorkingFolderCopyComesFirstThenTheShippedOne) {
    app.dataFolder = shipped;
    app.form1().mnuHelp_Click();
    dir.write("Qvhelp.html", "<html>local</html>");
    app.form1().mnuHelp_Click();
    // Open has moved the working folder to one without a copy.
    const auto other = dir / "other";
    std::filesystem::create_directories(other);
    app.setFolder(other);
    app.form1().mnuHelp_Click();
    ASSERT_EQ(viewer.requests().size(), 3u);
    EXPECT_EQ(viewer.requests()[0].file, shipped / "help" / "Qvhelp.html");
    EXPECT_EQ(viewer.requests()[1].file, dir / "Qvhelp.html");
    EXPECT_EQ(viewer.requests()[2].file, shipped / "help" / "Qvhelp.html");
    for (const auto& r : viewer.requests()) EXPECT_EQ(r.topic, HelpTopic::Default);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(Help, NoDocumentOrNoViewerIsSaid) {
    // No copy in the folder and no known shipped files.
    EXPECT_FALSE(showHelp(app, HelpTopic::Default));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].find("Qvhelp.html"), std::string::npos);
    app.dataFolder = shipped;
    app.helpViewer = nullptr;
    EXPECT_FALSE(showHelp(app, HelpTopic::Default));
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_NE(ui.messages()[1].find("no help viewer"), std::string::npos);
    EXPECT_TRUE(viewer.requests().empty());
}

}  // namespace
}  // namespace qv
