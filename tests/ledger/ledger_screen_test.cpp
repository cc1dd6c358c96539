#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_io.h"
#include "ledger/frm_year.h"
#include "ledger/frm_year_tot.h"
#include "ledger/mdi_form1.h"
#include "ledger/year_files.h"
#include "ledger/year_ledger.h"
#include "paysheet/fica.h"
#include "paysheet/form1.h"
#include "platform/headless/scripted_ui.h"
#include "support/app_fixture.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

PaySheetSnapshot period(std::string date, float gross, float net) {
    PaySheetSnapshot f;
    f.txtWeek = std::move(date);
    f.lbTaxDed = {"120.50", "62.00", "14.50", "40.00", "10.00", "5.00", ".00", "", "1,234.56", "abc", "3.25"};
    f.TotalOt = 45;
    f.TotalTips = 0;
    f.GrossPay = gross;
    f.NetPay = net;
    f.lbSDI = "1,234.56";
    f.lbSUI = "2.5";
    f.lbCafe = "1,000.00";
    return f;
}

class LedgerScreen : public testing::AppTest {
protected:
    LedgerScreen() : AppTest(Date{2018, 3, 9}, "qv_screen_") {}
    void SetUp() override {
        app.UserFile = "Jones";
        app.profile.Weekly = true;
        app.profile.DedName5 = "CrUnion";
        app.profile.DedName9 = "Health Ins";
    }

    FrmYear& grid() { return app.frmYear(); }
    FrmYearTot& tot() { return app.frmYearTot(); }
};

TEST_F(LedgerScreen, OpeningShowsTheFrameGridAndTotalsWithTheEmployeesHeadings) {
    openYearLedger(app);
    EXPECT_TRUE(app.mdiForm1().visible);
    EXPECT_EQ(app.mdiForm1().Caption, "Year To Date");
    EXPECT_TRUE(grid().visible);
    EXPECT_TRUE(tot().visible);
    EXPECT_EQ(grid().Height, 12075);
    EXPECT_EQ(tot().Top, 12075);
    EXPECT_EQ(grid().lbHeading[6], "CrUnion");
    EXPECT_EQ(grid().lbHeading2[10], "Health Ins");
    EXPECT_EQ(tot().lbDedName[0], "CrUnion");
    EXPECT_EQ(grid().txtGross[52], ".00");
    EXPECT_EQ(tot().txtTotGross, ".00");

    app.profile.Weekly = false;
    app.profile.BiWeekly = true;
    openYearLedger(app);
    EXPECT_EQ(grid().Height, 6550);
    EXPECT_EQ(tot().Top, 6550);
    EXPECT_EQ(grid().lbHeading[6], "CrUnion");
    EXPECT_EQ(grid().lbHeading2[6], "MCU");  // the lower heading row is out of sight
}

TEST_F(LedgerScreen, PostingFillsTheRowAndTheSums) {
    openYearLedger(app);
    grid().PasteMe(4, period("2/2/2018", 1000, 812.34f));
    EXPECT_EQ(grid().txtDate[4], "2/2/2018");
    EXPECT_EQ(grid().txtFed[4], "120.50");
    EXPECT_EQ(grid().txtBond[4], ".00");
    EXPECT_EQ(grid().txtDues[4], "");         // an empty line is copied as it is
    EXPECT_EQ(grid().txtPen[4], "1234.56");   // the separator goes away
    EXPECT_EQ(grid().txtMisc[4], "abc");      // no number: copied unchanged
    EXPECT_EQ(grid().txtOT[4], "45.00");
    EXPECT_EQ(grid().txtTips[4], ".00");
    EXPECT_EQ(grid().txtGross[4], "1000.00");
    EXPECT_EQ(grid().txtNet[4], "812.34");

    const YearLedger& l = app.ledger;
    EXPECT_FLOAT_EQ(l.rows[4].YrPen, 1234.56f);
    EXPECT_FLOAT_EQ(l.rows[4].YrMisc, 0);
    EXPECT_EQ(l.TotGross, Currency::fromDouble(1000));
    EXPECT_EQ(l.TotNet, Currency::fromUnits(8123400));
    EXPECT_FLOAT_EQ(l.TotFed, 120.5f);
    EXPECT_EQ(tot().txtTotGross, "1000.00");
    EXPECT_EQ(tot().txtTotNet, "812.34");
    // Amounts of 1,000 and more are posted whole.
    EXPECT_FLOAT_EQ(l.rows[4].YrSdi, 1234.56f);
    EXPECT_FLOAT_EQ(l.rows[4].YrCafe, 1000);
    EXPECT_FLOAT_EQ(l.rows[4].YrSui, 2.5f);
    EXPECT_EQ(tot().txtTotSdi, "1234.56");
    EXPECT_EQ(tot().txtTotCafe, "1000.00");
    // Nothing on disk until the ledger is closed with Yes.
    EXPECT_FALSE(fileExists(dir / "Jones.yrw"));
}

TEST_F(LedgerScreen, PostingIntoAnOccupiedRowReplacesIt) {
    openYearLedger(app);
    grid().PasteMe(0, period("1/5/2018", 1000, 800));
    grid().PasteMe(1, period("1/12/2018", 500, 400));
    grid().PasteMe(0, period("1/19/2018", 200, 150));
    EXPECT_EQ(grid().txtDate[0], "1/19/2018");
    EXPECT_EQ(app.ledger.TotGross, Currency::fromDouble(700));
    EXPECT_EQ(app.ledger.TotNet, Currency::fromDouble(550));
    EXPECT_FLOAT_EQ(app.ledger.TotFed, 241);
}

TEST_F(LedgerScreen, MouseButtonsPostThePaySheetAndDelete) {
    openYearLedger(app);
    Form1& sheet = app.form1();
    sheet.ensureLoaded();
    sheet.txtWeek = "3/9/2018";
    sheet.lbTaxDed[0] = "1,234.50";
    sheet.lbTaxDed[3] = "12.00";
    sheet.lbSDI = "1,500.00";
    sheet.lbSUI = "3.456";
    app.period.GrossPay = 300;
    app.period.NetPay = 250;
    app.period.TotalTips = 4.5f;
    grid().Label2_MouseDown(2, MouseButton::Left);
    EXPECT_EQ(grid().txtDate[2], "3/9/2018");
    EXPECT_EQ(grid().txtFed[2], "1234.50");
    EXPECT_EQ(grid().txtState[2], "12.00");
    EXPECT_EQ(grid().txtSS[2], "");
    EXPECT_EQ(grid().txtGross[2], "300.00");
    EXPECT_EQ(grid().txtTips[2], "4.50");
    EXPECT_FLOAT_EQ(app.ledger.rows[2].YrSdi, 1500);
    EXPECT_FLOAT_EQ(app.ledger.rows[2].YrSui, 3.46f);
    EXPECT_EQ(app.ledger.TotTips, Currency::fromDouble(4.5));
    grid().Label2_MouseDown(2, MouseButton::Middle);
    EXPECT_EQ(grid().txtGross[2], "300.00");
    grid().Label2_MouseDown(2, MouseButton::Right);
    EXPECT_EQ(grid().txtGross[2], "0");
    EXPECT_EQ(grid().txtDate[2], "");
    EXPECT_EQ(app.ledger.TotGross, Currency());
}

TEST_F(LedgerScreen, DeletingARowDropsItFromTheSums) {
    openYearLedger(app);
    grid().PasteMe(0, period("1/5/2018", 1000, 800));
    grid().PasteMe(1, period("1/12/2018", 500, 400));
    grid().DeleteRow(0);
    EXPECT_EQ(grid().txtFed[0], "0");
    EXPECT_EQ(grid().txtNet[0], "0");
    EXPECT_EQ(app.ledger.rows[0].YrSdi, 0);
    EXPECT_EQ(app.ledger.TotGross, Currency::fromDouble(500));
    EXPECT_FLOAT_EQ(app.ledger.TotSdi, 1234.56f);
    // Deleting an empty row changes no sum.
    grid().DeleteRow(30);
    EXPECT_EQ(app.ledger.TotGross, Currency::fromDouble(500));
    EXPECT_EQ(grid().txtFed[30], "0");
    // Slots outside the ledger are ignored.
    grid().DeleteRow(53);
    grid().PasteMe(-1, period("x", 1, 1));
    EXPECT_EQ(app.ledger.TotGross, Currency::fromDouble(500));
}

TEST_F(LedgerScreen, ClearingABiWeeklyLedgerZeroesSdiSuiAndCafeteriaOfAll53Slots) {
    app.profile.Weekly = false;
    app.profile.BiWeekly = true;
    openYearLedger(app);
    grid().PasteMe(26, period("12/28/2018", 1000, 800));
    app.ledger.rows[40].YrSdi = 9;
    app.ledger.rows[52].YrCafe = 4;
    app.ledger.rows[40].YrGross = 77;  // not active: not summed, not cleared
    app.frmYear().Update();
    AddAnnual(app);
    EXPECT_FLOAT_EQ(app.ledger.TotSdi, 1243.56f);

    app.mdiForm1().mnuClearAll_Click();
    for (const LedgerRow& row : app.ledger.rows) {
        EXPECT_EQ(row.YrSdi, 0);
        EXPECT_EQ(row.YrSui, 0);
        EXPECT_EQ(row.YrCafe, 0);
    }
    EXPECT_EQ(grid().txtGross[26], "0");
    EXPECT_EQ(app.ledger.rows[40].YrGross, 77);
    EXPECT_EQ(app.ledger.TotGross, Currency());
    EXPECT_EQ(tot().txtTotSdi, ".00");
    EXPECT_EQ(tot().txtTotTips, ".00");
}

TEST_F(LedgerScreen, ClosingWithYesSavesAndReopeningShowsTheRow) {
    openYearLedger(app);
    grid().PasteMe(4, period("2/2/2018", 1000, 812.34f));
    ui.answerYes();
    grid().cmdBack_Click();
    EXPECT_EQ(ui.questions(), std::vector<std::string>{"     Do you want to save YTD"});
    EXPECT_EQ(ui.shown().back().title, "Save?");
    EXPECT_FALSE(grid().loaded);
    EXPECT_FALSE(tot().loaded);
    EXPECT_FALSE(app.mdiForm1().loaded);
    EXPECT_FALSE(app.mdiForm1().LedgerClosing);
    ASSERT_TRUE(fileExists(dir / "Jones.yrw"));
    auto text = readWholeFile(dir / "Jones.yrw");
    EXPECT_NE(text->find("\"2/2/2018\",120.5,62,14.5,40\r\n10,5,0,0,1234.56\r\n0,3.25,45,1000,812.34\r\n"
                         "1234.56,2.5,1000,0\r\n"),
              std::string::npos);

    app.ledger = YearLedger{};
    openYearLedger(app);
    EXPECT_EQ(grid().txtGross[4], "1000.00");
    EXPECT_EQ(app.ledger.TotGross, Currency::fromDouble(1000));
}

TEST_F(LedgerScreen, ClosingWithNoKeepsThePostingInMemoryUntilTheFileIsReloaded) {
    // Without a file the unsaved posting survives a reopening.
    openYearLedger(app);
    grid().PasteMe(0, period("1/5/2018", 1000, 800));
    ui.answerNo();
    app.mdiForm1().mnuClose_Click();
    EXPECT_FALSE(fileExists(dir / "Jones.yrw"));
    EXPECT_EQ(app.ledger.TotGross, Currency::fromDouble(1000));  // the next calculation sees it
    openYearLedger(app);
    EXPECT_EQ(grid().txtGross[0], "1000.00");

    // Save it, post another period, close with No: reopening drops it.
    ui.answerYes();
    grid().cmdBack_Click();
    openYearLedger(app);
    grid().PasteMe(1, period("1/12/2018", 500, 400));
    ui.answerNo();
    grid().cmdBack_Click();
    EXPECT_EQ(app.ledger.TotGross, Currency::fromDouble(1500));
    openYearLedger(app);
    EXPECT_EQ(grid().txtGross[1], ".00");
    EXPECT_EQ(grid().txtDate[1], "");
    EXPECT_EQ(app.ledger.TotGross, Currency::fromDouble(1000));
}

TEST_F(LedgerScreen, AddAfterEditingAGrossBoxChangesTheYearsGross) {
    openYearLedger(app);
    grid().PasteMe(0, period("1/5/2018", 1000, 800));
    grid().txtGross[0] = "116500";
    EXPECT_EQ(app.ledger.TotGross, Currency::fromDouble(1000));  // not before "&Add"
    app.mdiForm1().mnuAdd_Click();
    EXPECT_EQ(app.ledger.TotGross, Currency::fromDouble(116500));
    EXPECT_EQ(tot().txtTotGross, "116500.00");
    // The next calculation's Social Security sees the new year's gross: only
    // the 500 left under the wage base is taxed.
    EXPECT_FLOAT_EQ(socialSecurity(app.ledger.TotGross, 1000, 0, 0, false).SocSec, 31.0f);
    // A value typed into the totals window never survives a recomputation.
    tot().txtTotNet = "5";
    app.mdiForm1().mnuAdd_Click();
    EXPECT_EQ(tot().txtTotNet, "800.00");
    // A tips text that is no number counts as its leading numeric part.
    grid().txtTips[0] = "12.5x";
    app.mdiForm1().mnuAdd_Click();
    EXPECT_EQ(app.ledger.TotTips, Currency::fromDouble(12.5));
}

TEST_F(LedgerScreen, OutOfRangeEntryIsReported) {
    openYearLedger(app);
    grid().txtGross[3] = "1e30";
    app.mdiForm1().mnuAdd_Click();
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"CHECK YOUR ENTRY FOR NON NUMBER TYPE"});
}

TEST_F(LedgerScreen, GrossAndNetBoxesTakeOnlyNumericKeys) {
    struct Case { char key; bool kept; };
    for (Case c : {Case{'a', false}, Case{'5', true}, Case{'-', true}, Case{' ', true}, Case{'.', true},
                   Case{'\b', true}, Case{',', false}, Case{'$', false}}) {
        char k = c.key;
        grid().txtGross_KeyPress(0, k);
        EXPECT_EQ(k != 0, c.kept) << c.key;
        k = c.key;
        grid().txtNet_KeyPress(0, k);
        EXPECT_EQ(k != 0, c.kept) << c.key;
        k = c.key;
        tot().txtTotGross_KeyPress(k);
        EXPECT_EQ(k != 0, c.kept) << c.key;
    }
}

TEST_F(LedgerScreen, TheFrameRefusesItsOwnCloseBox) {
    openYearLedger(app);
    EXPECT_FALSE(app.mdiForm1().MDIForm_QueryUnload());
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"USE CLOSE INSTEAD"});
    EXPECT_TRUE(app.mdiForm1().loaded);
    app.mdiForm1().MDIForm_Activate();
    EXPECT_EQ(app.mdiForm1().Width, grid().Width + 430);
}

TEST_F(LedgerScreen, TotalsRightAfterLoadingShowPlainNumbersThenFormatted) {
    YearLedger l;
    l.rows[0].YrGross = 1234.5f;
    ASSERT_TRUE(recomputeYearSums(l, true));
    ASSERT_TRUE(replaceFile(dir / "Jones.yrw", yearLedgerFileText(l, true)));
    tot().ensureLoaded();
    EXPECT_EQ(tot().txtTotGross, "1234.5");
    EXPECT_EQ(grid().txtGross[0], "1234.5");
    AddAnnual(app);
    EXPECT_EQ(tot().txtTotGross, "1234.50");
}

}  // namespace
}  // namespace qv
