#include <gtest/gtest.h>

#include "employee/frm_save_user.h"
#include "employee/new_open_save.h"
#include "employee/saved_period.h"
#include "../paysheet/paysheet_fixture.h"

namespace qv {
namespace {

using Employees = testing::PaySheetSession;

TEST_F(Employees, NewEmployeeWritesEveryFile) {
    sheet();
    ui.answerNo().answerInput("Smith");
    sheet().mnuNew_Click();
    for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".hol", ".sta", ".cti", ".nci"})
        EXPECT_TRUE(dir.has(std::string("Smith") + ext)) << ext;
    EXPECT_EQ(app.UserFile, "Smith");
    EXPECT_EQ(sheet().lbUser, "Smith");
}

TEST_F(Employees, NewAtAnExistingNameKeepsTheCurrentEmployee) {
    ui.answerNo().answerInput("Smith");
    sheet().mnuNew_Click();
    ui.answerNo().answerInput("Jones");
    sheet().mnuNew_Click();
    ui.clearShown();
    ui.answerNo().answerInput("Smith");
    sheet().mnuNew_Click();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0], "........Smith already exists. Use Open");
    EXPECT_EQ(app.UserFile, "Jones");
    EXPECT_EQ(app.frmSaveUser().txtSaveUser, "Jones");
}

TEST_F(Employees, NameThatCannotBeAFileNameIsRefused) {
    sheet();
    const auto before = filesIn(dir);
    for (const char* bad : {"../x", "a/b", "a\tb"}) {
        ui.clearShown();
        ui.answerNo().answerInput(bad);
        sheet().mnuNew_Click();
        EXPECT_EQ(ui.messages().size(), 1u) << bad;
        EXPECT_EQ(app.UserFile, "");
    }
    EXPECT_EQ(filesIn(dir), before);
}

// Cancelling the input box of New or the file dialog of Open leaves the
// employee open, the sheet and the year as they were, and writes nothing; the
// next calculation still saves to the employee's own files.
TEST_F(Employees, CancelledNewOrOpenChangesNothing) {
    ui.answerNo().answerInput("Smith");
    sheet().mnuNew_Click();
    calculate({"40"});
    app.ledger.TotGross = Currency::fromUnits(12340000);
    const std::string net = sheet().lbNet;
    const std::string caption = sheet().Caption;
    const auto files = filesIn(dir);
    const std::string profile = dir.read("Smith.use");

    ui.clearShown();
    ui.answerNo().answerInput("");  // the box cancelled
    sheet().mnuNew_Click();
    ui.answerFile(std::nullopt);    // the dialog cancelled (the prompt answered No)
    sheet().mnuOpen_Click();

    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(app.UserFile, "Smith");
    EXPECT_EQ(sheet().Caption, caption);
    EXPECT_EQ(sheet().lbNet, net);
    EXPECT_EQ(sheet().txtAmount[0], "40");
    EXPECT_EQ(app.ledger.TotGross, Currency::fromUnits(12340000));
    EXPECT_EQ(filesIn(dir), files);
    EXPECT_EQ(dir.read("Smith.use"), profile);
}

TEST_F(Employees, OpenFromAnotherFolderMovesTheWorkingFolder) {
    ui.answerNo().answerInput("Smith");
    sheet().mnuNew_Click();
    const auto other = newFolder();
    for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".hol", ".sta", ".cti", ".nci"})
        std::filesystem::copy_file(dir / (std::string("Smith") + ext), other / (std::string("Lee") + ext));
    ui.answerFile(other / "Lee.use");
    sheet().mnuOpen_Click();
    EXPECT_EQ(app.UserFile, "Lee");
    EXPECT_EQ(app.folder(), other);
    EXPECT_EQ(sheet().Caption, "  User:  Lee");
}

TEST_F(Employees, PeriodSavedAndRestored) {
    editProfile([](EmployeeProfile& p) { p.HourRate = 10; });
    calculate({"40"});
    sheet().txtWeek = "12/8/2017";
    ASSERT_TRUE(sheet().cmdSavePrev_Click());
    EXPECT_EQ(sheet().txtAmount[1], "0");  // empty boxes become "0"
    ASSERT_TRUE(dir.has("12_8_2017  .prv"));
    const std::string gross = sheet().lbGross;
    sheet().cmdClear_Click();
    ui.answerFile(dir / "12_8_2017  .prv");
    ASSERT_TRUE(sheet().cmdPeriod_Click());
    EXPECT_EQ(sheet().txtAmount[0], "40");
    EXPECT_EQ(sheet().lbGross, "400.00");
    EXPECT_EQ(sheet().txtWeek, "12/8/2017");
    // A pay date that cannot be part of a file name is refused.
    sheet().txtWeek = "12:8";
    ui.clearShown();
    EXPECT_FALSE(sheet().cmdSavePrev_Click());
    EXPECT_EQ(ui.messages().size(), 1u);
}

}  // namespace
}  // namespace qv
