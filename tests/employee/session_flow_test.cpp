// Whole sessions as a user runs them: start-up in a fresh folder, New, the
// state dialog, ADD, Open, Exit.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "common/messages.h"
#include "employee/frm_save_user.h"
#include "employee/new_open_save.h"
#include "leave/dialog_vac.h"
#include "ledger/frm_year.h"
#include "ledger/mdi_form1.h"
#include "overtime/form2.h"
#include "paysheet/fica.h"
#include "paysheet/paysheet_fixture.h"
#include "state/dialog_state.h"
#include "state/state_files.h"

namespace qv {
namespace {

using Session = testing::PaySheetSession;

// Every user answer of the save prompt is "&Save".
void saveAtPrompt(App& app) {
    app.frmSaveUser().modalUser = [](FrmSaveUser& p) { p.cmdSaveUser_Click(); };
}

TEST_F(Session, AFreshFolderStartsWeeklyAndSingle) {
    sheet();
    for (const char* f : {".use", ".and", ".cfe", ".ovw"}) EXPECT_TRUE(dir.has(f)) << f;
    EXPECT_FALSE(dir.has(".ovb"));
    const std::array<const char*, 5> captions = {"CrUnion", "Bond", "Dues", "Pension", "Health Ins"};
    for (std::size_t i = 0; i < captions.size(); ++i) EXPECT_EQ(sheet().lbTaxTag[5 + i], captions[i]);
    EXPECT_EQ(sheet().lbTableNotice, "Weekly Tax Tables");
    // 40 hours at the default 7.50: weekly single federal tax 18.30 + 12 % of
    // (300 - 254); the bi-weekly table would give 15.80, the married 7.80.
    calculate({"40"});
    EXPECT_EQ(sheet().lbTaxDed[0], "23.82");
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(Session, NewShowsTheNewEmployeesCaptions) {
    ui.answerNo().answerInput("Smith");
    sheet().mnuNew_Click();
    const std::array<const char*, 5> captions = {"CrUnion", "Bond", "Dues", "Pension", "Misc."};
    for (std::size_t i = 0; i < captions.size(); ++i) EXPECT_EQ(sheet().lbTaxTag[5 + i], captions[i]);
}

TEST_F(Session, ExitWithSaveKeepsWhatWasTypedInTheTrackerAndLeave) {
    ui.answerNo().answerInput("Smith");
    sheet().mnuNew_Click();
    sheet().cmdOT_Click();
    Form2& tracker = app.form2();
    tracker.Text1[3] = "2/9/2018";
    tracker.txtOT[3] = "45.5";
    sheet().Command1_Click();
    DialogVac& leave = app.dialogVac();
    leave.txtHdate[2] = "7/4/2018";
    leave.daysBox_KeyPress(DialogVac::Kind::Holiday, 2, '1');
    saveAtPrompt(app);
    ui.answerYes();
    sheet().mnuExitItem_Click();
    EXPECT_TRUE(sheet().programEnded);
    EXPECT_FALSE(tracker.loaded);
    EXPECT_FALSE(leave.loaded);
    const std::string ovw = dir.read("Smith.ovw");
    EXPECT_NE(ovw.find("\"2/9/2018\"\r\n45.5\r\n"), std::string::npos) << ovw;
    const std::string hol = dir.read("Smith.hol");
    EXPECT_NE(hol.find("\"\",\"7/4/2018\",\"\""), std::string::npos) << hol;
    EXPECT_NE(hol.find("0,1,0\r\n"), std::string::npos) << hol;
}

TEST_F(Session, AddSavesAndClosesTheTrackerAndLeave) {
    sheet().cmdOT_Click();
    app.form2().txtOT[0] = "12";
    sheet().Command1_Click();
    app.dialogVac().txtVdate[0] = "1/2/2018";
    calculate({"40"});
    EXPECT_FALSE(app.form2().loaded);
    EXPECT_FALSE(app.dialogVac().loaded);
    EXPECT_EQ(dir.read(".ovw").substr(0, 8), "\"\"\r\n12\r\n");
    EXPECT_NE(dir.read(".hol").find("\"1/2/2018\""), std::string::npos);
}

TEST_F(Session, AFailedOpenKeepsThePreviousEmployee) {
    editProfile([](EmployeeProfile& p) { p.HourRate = 10; });
    ui.answerNo().answerInput("Smith");
    sheet().mnuNew_Click();
    calculate({"40"});
    // Jones's profile is whole, his state file is not.
    const auto other = newFolder();
    writeFile(other / "Jones.use", dir.read("Smith.use"));
    writeFile(other / "Jones.sta", "1,2,3\r\n");
    const auto before = filesIn(dir);
    const std::string smithUse = dir.read("Smith.use");
    ui.answerFile(other / "Jones.use");
    EXPECT_FALSE(OpenUser(app));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0], corruptFileMessage("Jones.sta"));
    EXPECT_EQ(app.UserFile, "Smith");
    EXPECT_EQ(app.folder(), dir);
    EXPECT_EQ(sheet().lbUser, "Smith");
    calculate({"40"});
    EXPECT_EQ(filesIn(other), (std::set<std::string>{"Jones.use", "Jones.sta"}));
    EXPECT_EQ(filesIn(dir), before);
    EXPECT_EQ(dir.read("Smith.use"), smithUse);
}

TEST_F(Session, NewAndOpenEmptyAllFiftyThreeLedgerRows) {
    // A bi-weekly employee's year ends at row 27; rows past it must not reach
    // the next employee either.
    for (int i = 0; i < kLedgerSlots; ++i) {
        app.ledger.rows[static_cast<std::size_t>(i)].YrDate = "old";
        app.ledger.rows[static_cast<std::size_t>(i)].YrGross = 100;
    }
    app.profile.Weekly = false;
    app.profile.BiWeekly = true;
    ui.answerNo().answerInput("Smith");
    sheet().mnuNew_Click();
    for (const LedgerRow& row : app.ledger.rows) {
        EXPECT_EQ(row.YrDate, "");
        EXPECT_EQ(row.YrGross, 0);
    }
    for (auto& row : app.ledger.rows) row.YrGross = 100;
    app.profile.Weekly = false;
    app.profile.BiWeekly = true;
    ui.answerFile(dir / "Smith.use");
    ASSERT_TRUE(OpenUser(app));
    for (const LedgerRow& row : app.ledger.rows) EXPECT_EQ(row.YrGross, 0);
    EXPECT_EQ(app.ledger.TotGross, Currency());
}

// ---- Every state method, through the dialog, on what was last saved ----

struct StateCase {
    const char* what;
    std::optional<DialogState::MethodBox> press;  // none: the generic table
    int exemptions;
    const char* amount;  // the period's pay, in dollars
    const char* stateTax;  // null: not worked out by hand, only kept
    // After the file's tables changed: a preset restores its own, the
    // generic table takes the file's.
    const char* afterChange;
};

class StateSessions : public Session {
protected:
    // Federal tax a flat 10 % of federal wages with no allowances, so each
    // state's worked example meets the federal tax it assumes.
    void flatFederalTables(const std::filesystem::path& dir) {
        std::string table = "0,0,0,0\r\n0,999999,0,.1,0\r\n";
        for (int r = 0; r < 5; ++r) table += "999999,999999,999999,.1,0\r\n";
        table += "999999,999999,.1,0\r\n";
        std::string text;
        for (const char* name : {"\"BI-WEEKLY SINGLE\"", "\"WEEKLY SINGLE\"", "\"BI-WEEKLY MARRIED\"",
                                 "\"WEEKLY MARRIED\""})
            text += table + name + "\r\n";
        text += "0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,\"flat\"\r\n";
        writeFile(dir / "Federal18.dtt", text);
    }
};

TEST_F(StateSessions, EachMethodTaxesAsItsWorkedExampleAgainAfterItsFileChanged) {
    using B = DialogState::MethodBox;
    // Single, bi-weekly; the generic table's allowance for 0 exemptions is
    // 284.6, so 400 leaves 115.4 taxed at 4 % (1 % after the change).
    const StateCase cases[] = {
        {"generic New York table", std::nullopt, 0, "400", "4.62", "1.15"},
        {"Arizona keeps the generic table", B::Ariz, 0, "400", "4.62", "1.15"},
        {"Oregon", B::Oregon, 1, "1000", "64.32", nullptr},
        {"Missouri, rounded to the dollar", B::Missouri, 2, "1500", "50.00", nullptr},
        // Federal tax 120: (1200 - 120 - 156.15 - 750) x 6.48 % + 32.58 - 3.08.
        {"Iowa, rounded to the dollar", B::Iowa, 2, "1200", "41.00", nullptr},
        {"Mass", B::Mass, 1, "2000", "85.58", nullptr},
        {"Alabama", B::Alabama, 1, "1000", "35.34", nullptr},
        {"Wisconsin", B::WisconApril, 2, "1000", "39.02", nullptr},
        {"Kentucky", B::Kentucky, 1, "1000", "45.01", nullptr},
        {"N.C., rounded to the dollar", B::NC, 1, "1000", "50.00", nullptr},
        {"Louisiana", B::Louis, 1, "1000", nullptr, nullptr},
        {"Utah", B::Utah, 1, "1000", nullptr, nullptr},
        {"Wisconsin prior to 4/1/14", B::Wiscon, 2, "1000", nullptr, nullptr},
    };
    flatFederalTables(dir);
    int n = 0;
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = "E" + std::to_string(n++);
        std::string firstTax;
        {
            platform::ScriptedUi ui;
            platform::FixedClock clock(Date{2018, 6, 1});
            App app(ui, clock, dir);
            app.form1();
            ui.answerNo().answerInput(name);
            app.form1().mnuNew_Click();
            // User Info: bi-weekly, the example's status and exemptions.
            app.form1().mnuUserInfo_Click();
            FrmTaxInfo& info = app.frmTaxInfo();
            info.optWeek = false;
            info.optBiWeek = true;
            info.cboStatus2 = "Single";
            info.cboDepend2 = std::to_string(c.exemptions);
            info.cmdOk_Click();
            app.form1().mnuStateTax_Click();
            DialogState& d = app.dialogState();
            if (c.press) d.pressMethodBox(*c.press);
            d.OKButton_Click();
            app.form1().txtAmount[6] = c.amount;
            app.form1().cmdCal_Click();
            firstTax = app.form1().lbTaxDed[3];
            if (c.stateTax) {
                EXPECT_EQ(firstTax, c.stateTax);
            }
            EXPECT_TRUE(ui.messages().empty());
        }
        // Another program, or an old version of the preset, left other tables
        // in the file: every row 0 to 1 % and no allowances.
        {
            std::string sta = dir.read(name + ".sta");
            std::string other;
            for (int r = 0; r < 10; ++r) other += "0,0,.01,0,0,.01\r\n";
            const std::size_t tablesEnd = [&] {
                std::size_t at = 0;
                for (int r = 0; r < 10; ++r) at = sta.find("\r\n", at) + 2;
                return at;
            }();
            writeFile(dir / (name + ".sta"), other + sta.substr(tablesEnd));
        }
        {
            platform::ScriptedUi ui;
            platform::FixedClock clock(Date{2018, 6, 1});
            App app(ui, clock, dir);
            app.form1();
            ui.answerFile(dir / (name + ".use"));
            ASSERT_TRUE(OpenUser(app));
            app.form1().txtAmount[6] = c.amount;
            app.form1().cmdCal_Click();
            EXPECT_EQ(app.form1().lbTaxDed[3], c.afterChange ? c.afterChange : firstTax);
        }
    }
}

}  // namespace
}  // namespace qv
