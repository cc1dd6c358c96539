#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "paysheet/form1.h"
#include "platform/headless/scripted_ui.h"
#include "support/app_fixture.h"
#include "platform/headless/text_printer.h"
#include "printing/check_print.h"
#include "printing/dlg_print_set.h"
#include "printing/frm_checks.h"
#include "printing/pay_stub.h"
#include "printing/golden.h"
#include "printing/stub_fixture.h"

namespace qv {
namespace {

using testing::faceOf;
using testing::weekOfDecember;

TEST(PayStubLayout, OneWeekOnTheTextPrinter) {
    platform::TextPrinter printer;
    printPayStubLayout(printer, weekOfDecember());
    printer.endDocument();
    const auto& page = printer.documents().at(0).pages.at(0);
    EXPECT_EQ(page.lines.size(), 60u);
    EXPECT_EQ(page.fonts[2], "Arial 11");
    EXPECT_EQ(page.fonts[5], "Arial 10");
    testing::expectGolden("pay_stub.txt", printer.text());
}

TEST(PayStubLayout, StubValuesFollowTheirRules) {
    StubData d = weekOfDecember();
    const StubFigures& f = d.figures;
    EXPECT_FLOAT_EQ(f.ot15Rate, 23.25f);
    EXPECT_FLOAT_EQ(f.ot15Pay, 93.0f);
    // The cafeteria plan counts among the taxes of the year.
    d.ytd.TotCafe = 100;
    d.sheet.opt1x = false;
    d.sheet.txtAmount[2] = "2";
    auto g = computeStubFigures(d.profile, d.period, d.sheet, d.ytd, 7.5f);
    ASSERT_TRUE(g);
    EXPECT_FLOAT_EQ(g->ytdTaxes, 2995.2f + 2122.08f + 496.32f + 1368.96f + 342.24f + 100);
    EXPECT_FLOAT_EQ(g->ytdDeductions, 1200 + 576 + 1026.72f);
    EXPECT_FLOAT_EQ(g->ot12Rate, 31.0f);  // "(2X)" chosen
    EXPECT_FLOAT_EQ(g->ot12Pay, 62.0f);
}

// An employee without an hourly rate is paid the default rate: the stub shows
// that rate and the holiday pay it gave, not .00.
TEST(PayStubLayout, NoHourlyRateShowsTheDefaultRate) {
    StubData d = weekOfDecember();
    d.profile.HourRate = 0;
    d.period.Avas = 8;
    auto g = computeStubFigures(d.profile, d.period, d.sheet, d.ytd, 7.5f);
    ASSERT_TRUE(g);
    EXPECT_FLOAT_EQ(g->rate1, 7.5f);
    EXPECT_FLOAT_EQ(g->holidayPay, 60.0f);
}

TEST(PrintedAmounts, ShownTextsAreReformatted) {
    EXPECT_EQ(printedAmount("$1,234.50", "#####.00"), "1234.50");
    EXPECT_EQ(printedAmount("0", "###.00"), ".00");
    EXPECT_EQ(printedAmount("", "#####.00"), "");
    EXPECT_EQ(printedAmount("abc", "###.00"), "abc");  // text that is no number prints as it is
}

TEST(CheckLayout, FaceAndTwoStubCopies) {
    const StubData d = weekOfDecember();
    platform::TextPrinter printer;
    printCheckLayout(printer, faceOf(), d, 0, 3);
    printer.endDocument();
    const auto& page = printer.documents().at(0).pages.at(0);
    EXPECT_EQ(page.fonts[4], "Arial 11");
    EXPECT_EQ(page.fonts.back(), "Arial 8");
    testing::expectGolden("check.txt", printer.text());
}

// Where the date and the words land for each offset choice, printed
// through the offset dialog as the user does it.
class CheckOffsets : public testing::AppTest {
protected:
    CheckOffsets() : AppTest(Date{2018, 12, 7}, "qv_offsets_") {}
    void SetUp() override {
        app.printer = &printer;
        app.form1().ensureLoaded();  // the pay sheet starts first, as in the program
        app.profile.EmpName = "John Smith";
        app.period.NetPay = 502.01f;
    }

    // Lines of the check printed with these drop-down choices.
    std::vector<std::string> printWith(const std::string& horz, const std::string& vert) {
        app.frmChecks().show();
        DlgPrintSet& d = app.dlgPrintSet();
        d.show();
        d.cboHorz = horz;
        d.cboVert = vert;
        const std::size_t before = printer.documents().size();
        d.cmdPrint_Click();
        EXPECT_EQ(printer.documents().size(), before + 1);
        EXPECT_FALSE(d.loaded);
        return printer.documents().back().pages.at(0).lines;
    }
    static int blanksBeforeFirstText(const std::vector<std::string>& lines) {
        int n = 0;
        while (n < static_cast<int>(lines.size()) && lines[n].empty()) ++n;
        return n;
    }
    platform::TextPrinter printer;
};

TEST_F(CheckOffsets, VerticalChoiceGivesBlankLinesBeforeTheDate) {
    const std::pair<const char*, int> cases[] = {{"-5", 0}, {"-4", 0}, {"-3", 1}, {"0", 4}, {"+5", 9}, {"junk", 4}};
    for (const auto& [vert, blanks] : cases) {
        auto lines = printWith("0", vert);
        EXPECT_EQ(blanksBeforeFirstText(lines), blanks) << "vertical " << vert;
        EXPECT_EQ(lines[blanks].find_first_not_of(' '), 106u) << "vertical " << vert;  // column 107
    }
}

TEST_F(CheckOffsets, HorizontalMinusFiveMovesDateAndWords) {
    auto lines = printWith("-5", "0");
    const int dateLine = blanksBeforeFirstText(lines);
    EXPECT_EQ(lines[dateLine].find_first_not_of(' '), 101u);  // column 102
    auto words = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("*****", 0) == 0; });
    ASSERT_NE(words, lines.end());  // column h+5 = 0 counts as column 1
    EXPECT_EQ(*words, "***** Five Hundred Two and 01/100*****");
}

// Apply keeps the offsets with the employee's profile (and the dialog open);
// Cancel keeps nothing; the next opening shows what was applied.
TEST_F(CheckOffsets, ApplySavesWithTheProfileAndCancelDoesNot) {
    app.UserFile = "JSMITH";
    DlgPrintSet& d = app.dlgPrintSet();
    d.show();
    EXPECT_EQ(d.cboHorz, "0");
    EXPECT_EQ(d.cboVert, "0");
    d.cboHorz = "-2";
    d.cboVert = "+3";
    d.cmdApply_Click();
    EXPECT_TRUE(d.loaded);
    EXPECT_TRUE(std::filesystem::exists(dir / "JSMITH.and"));

    d.cboHorz = "+4";
    d.cmdCancel_Click();
    EXPECT_FALSE(d.loaded);
    app.profile.CheckHorz = 0;  // the opening reloads the profile from its files
    d.show();
    EXPECT_EQ(d.cboHorz, "-2");
    EXPECT_EQ(d.cboVert, "3");

    // A typed text beyond the list is held to its range, never stored as is.
    d.cboHorz = "1e40";
    d.cmdApply_Click();
    EXPECT_EQ(app.profile.CheckHorz, 5.0f);
}

}  // namespace
}  // namespace qv
