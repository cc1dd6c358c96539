#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "ledger/frm_year.h"
#include "ledger/ledger_export.h"
#include "ledger/mdi_form1.h"
#include "platform/headless/recording_spreadsheet.h"
#include "platform/headless/scripted_ui.h"
#include "support/app_fixture.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using platform::RecordingSpreadsheet;

class LedgerExport : public testing::AppTest {
protected:
    LedgerExport() : AppTest(Date{2018, 3, 9}, "qv_export_") {}
    void SetUp() override {
        app.spreadsheet = &sheet;
        app.UserFile = "Kim";
        app.profile.EmpSsn = "987-65-4321";
        app.profile.DedName5 = "CrUnion";
        app.profile.DedName9 = "Health Ins";
    }

    void setWeekly(bool weekly) {
        app.profile.Weekly = weekly;
        app.profile.BiWeekly = !weekly;
    }

    // The calls from the first cell of a row to the end of the fonts.
    std::vector<std::string> callsStartingWith(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& c : sheet.calls())
            if (c.rfind(prefix, 0) == 0) out.push_back(c);
        return out;
    }
    RecordingSpreadsheet sheet;
};

TEST_F(LedgerExport, WeeklySequenceFillsRows2To54TotalsIn55AndTheBlockIn56And57) {
    setWeekly(true);
    openYearLedger(app);
    PaySheetSnapshot f;
    f.txtWeek = "12/28/2018";
    f.lbTaxDed = {"1.00", "2.00", "3.00", "4.00", "5.00", "6.00", "7.00", "8.00", "9.00", "10.00", "11.00"};
    f.TotalOt = 12;
    f.TotalTips = 13;
    f.GrossPay = 15;
    f.NetPay = 14;
    f.lbSDI = "1.50";
    app.frmYear().PasteMe(52, f);
    app.frmYear().DeleteRow(0);
    exportLedger(app);

    const auto& calls = sheet.calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "createApplication");
    EXPECT_EQ(calls[1], "addWorkbook Kim Year To Date.xlsx");
    EXPECT_EQ(calls[2], "setOrientation 2");
    EXPECT_EQ(sheet.workbookPath(), dir / "Kim Year To Date.xlsx");
    const char* header[] = {"Date", "Federal", "Soc Sec", "Medicare", "State", "City", "CrUnion", "", "", "",
                            "Health Ins", "Kplan", "Tips", "OT", "Net", "Gross"};
    for (int c = 1; c <= 16; ++c) EXPECT_EQ(sheet.cell(1, c), header[c - 1]) << c;
    // Row 54 is period 53, in grid order: tips, OT, net, gross last.
    const char* last[] = {"12/28/2018", "1.00", "2.00", "3.00", "4.00", "5.00", "6.00", "7.00", "8.00", "9.00",
                          "10.00", "11.00", "13.00", "12.00", "14.00", "15.00"};
    for (int c = 1; c <= 16; ++c) EXPECT_EQ(sheet.cell(54, c), last[c - 1]) << c;
    // Amounts reach the sheet as the grid shows them.
    EXPECT_EQ(sheet.cell(2, 2), "0");      // deleted row
    EXPECT_EQ(sheet.cell(3, 2), ".00");    // formatted zero
    EXPECT_EQ(sheet.cell(55, 1), "TOTALS=");
    EXPECT_EQ(sheet.cell(55, 2), "1.00");
    EXPECT_EQ(sheet.cell(55, 13), "13.00");
    EXPECT_EQ(sheet.cell(55, 14), "12.00");
    EXPECT_EQ(sheet.cell(55, 16), "15.00");
    EXPECT_EQ(sheet.cell(56, 3), "SDI");
    EXPECT_EQ(sheet.cell(56, 6), "Tips");
    EXPECT_EQ(sheet.cell(57, 3), "1.50");
    EXPECT_EQ(sheet.cell(57, 6), "13.00");
    EXPECT_EQ(sheet.cell(58, 1), "");

    EXPECT_EQ(sheet.frozenRow(), 2);
    EXPECT_EQ(callsStartingWith("setFont"),
              (std::vector<std::string>{"setFont 1 1-16 bold 255,0,0", "setFont 55 1-16 bold 0,0,255",
                                        "setFont 56 1-7 bold 255,0,0", "setFont 57 1-7 plain 0,0,255"}));
    auto at = [&](const std::string& c) { return std::find(calls.begin(), calls.end(), c) - calls.begin(); };
    EXPECT_LT(at("setFont 57 1-7 plain 0,0,255"), at("autoFitColumns"));
    EXPECT_LT(at("autoFitColumns"), at("setVisible true"));
    EXPECT_LT(at("setVisible true"), at("setStatusBar File: Kim   987-65-4321   Year To Date"));
    EXPECT_EQ(calls[calls.size() - 2], "applyPageSetup");
    EXPECT_EQ(calls.back(), "saveWorkbook");
    const platform::PageSetup& p = sheet.pageSetup();
    EXPECT_EQ(p.leftFooter, "Kim    987-65-4321");
    EXPECT_FALSE(p.zoom);
    EXPECT_EQ(p.fitToPagesWide, 1);
    EXPECT_EQ(p.fitToPagesTall, 1);
    EXPECT_EQ(p.topMargin + p.bottomMargin + p.leftMargin + p.rightMargin + p.headerMargin + p.footerMargin, 0);
    EXPECT_TRUE(p.centerHorizontally);
    EXPECT_FALSE(p.centerVertically);
    EXPECT_TRUE(sheet.visible());
}

TEST_F(LedgerExport, BiWeeklySequenceFillsRows2To28TotalsIn29AndTheBlockIn31And32) {
    setWeekly(false);
    openYearLedger(app);
    exportLedger(app);
    EXPECT_EQ(sheet.cell(28, 2), ".00");
    EXPECT_EQ(sheet.cell(29, 1), "TOTALS=");
    EXPECT_EQ(sheet.cell(30, 3), "");
    EXPECT_EQ(sheet.cell(31, 3), "SDI");
    EXPECT_EQ(sheet.cell(32, 3), ".00");
    for (const auto& c : sheet.calls()) {
        if (c.rfind("setCellValue ", 0) != 0) continue;
        int row = std::stoi(c.substr(13));
        EXPECT_TRUE(row <= 29 || row == 31 || row == 32) << c;
    }
    EXPECT_EQ(callsStartingWith("setFont"),
              (std::vector<std::string>{"setFont 1 1-16 bold 255,0,0", "setFont 29 1-16 bold 0,0,255",
                                        "setFont 31 1-6 bold 255,0,0", "setFont 32 1-6 plain 0,0,255"}));
}

TEST_F(LedgerExport, ASecondExportQuitsTheFirstApplicationAndAFailureEndsSilently) {
    setWeekly(true);
    openYearLedger(app);
    exportLedger(app);
    std::size_t first = sheet.calls().size();
    sheet.failAt("setFont");
    const std::string error = exportLedger(app);
    EXPECT_NE(error.find("Kim Year To Date.xlsx"), std::string::npos) << error;
    std::vector<std::string> second(sheet.calls().begin() + static_cast<long>(first), sheet.calls().end());
    ASSERT_GE(second.size(), 4u);
    EXPECT_EQ(second[0], "setVisible false");
    EXPECT_EQ(second[1], "quit");
    EXPECT_EQ(second[2], "release");
    EXPECT_EQ(second[3], "createApplication");
    EXPECT_EQ(second.back(), "setFont 1 1-16 bold 255,0,0");
    EXPECT_EQ(sheet.saves(), 1);
    EXPECT_TRUE(ui.messages().empty());
    // Closing the grid releases the application.
    ui.answerNo();
    app.frmYear().cmdBack_Click();
    EXPECT_FALSE(sheet.hasApplication());
}

TEST_F(LedgerExport, AFailedExportIsShownByTheWindow) {
    app.spreadsheet = nullptr;
    setWeekly(true);
    openYearLedger(app);
    app.mdiForm1().mnuExcel_Click();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].find("not exported"), std::string::npos);

    app.spreadsheet = &sheet;
    sheet.failAt("saveWorkbook");
    app.mdiForm1().mnuExcel_Click();
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_NE(ui.messages()[1].find("Year To Date.xlsx"), std::string::npos) << ui.messages()[1];
}

}  // namespace
}  // namespace qv
