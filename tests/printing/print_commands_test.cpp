#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/file_io.h"
#include "ledger/year_ledger.h"
#include "paysheet/form1.h"
#include "platform/headless/scripted_ui.h"
#include "support/app_fixture.h"
#include "platform/headless/text_printer.h"
#include "printing/golden.h"
#include "printing/ledger_print.h"
#include "printing/pay_stub.h"

namespace qv {
namespace {

// The print commands as the user runs them, on an App whose pay sheet shows
// a calculated week.
class PrintCommands : public testing::AppTest {
protected:
    PrintCommands() : AppTest(Date{2018, 12, 7}, "qv_printcmd_") {}
    void SetUp() override {
        app.printer = &printer;
        Form1& f = app.form1();
        f.ensureLoaded();
        ui.clearShown();
        app.UserFile = "JSMITH";
        app.profile.Weekly = true;
        app.profile.HourRate = 15.5f;
        app.profile.DedName5 = "CrUnion";
        app.period.PayRate = 15.5f;
        app.period.StrHrs = 40;
        app.period.StrPay = 620;
        app.period.GrossPay = 620;
        app.period.NetPay = 480.25f;
        f.txtAmount = {"40", "", "", "", "", "", "", ""};
        f.txtWeek = "12/7/2018";
        f.lbTaxDed = {"50.00", "38.44", "8.99", "20.00", "5.00", ".00", ".00", ".00", ".00", ".00", "17.32"};
        f.lbGross = "$620.00";
        f.lbTaxes = "$122.43";
        f.lbDeduct = "$17.32";
        f.lbNet = "$480.25";
    }

    // The line of the last printed page that begins with `start` (after blanks).
    std::string lineStarting(const std::string& start) {
        for (const auto& l : printer.documents().back().pages.at(0).lines)
            if (auto at = l.find_first_not_of(' '); at != std::string::npos && l.compare(at, start.size(), start) == 0)
                return l;
        return {};
    }
    platform::TextPrinter printer;
};

// Printing reloads the year file, and the YTD figures are the file's: gross
// and net through the totals window, the taxes, deductions and the SDI line
// from the sums. Whatever the memory held before (nothing in a fresh run, an
// unsaved posting in a running one) must not show through either source.
TEST_F(PrintCommands, YtdFiguresAreTheReloadedYearFile) {
    YearLedger saved;
    saved.rows[0] = LedgerRow{"11/30/2018", 40, 30, 7, 15, 4, 0, 0, 0, 0, 0, 10, 0, 0, 500, 400, 2.5f, 0, 0};
    ASSERT_TRUE(recomputeYearSums(saved, true));
    ASSERT_TRUE(replaceFile(dir / "JSMITH.yrw", yearLedgerFileText(saved, true)));
    const LedgerRow unsaved{"12/7/2018", 50, 38, 9, 20, 5, 0, 0, 0, 0, 0, 17, 0, 0, 620, 480, 4, 0, 0};

    for (bool postedButNotSaved : {false, true}) {
        SCOPED_TRACE(postedButNotSaved ? "an unsaved posting in memory" : "nothing in memory");
        app.ledger = YearLedger{};
        if (postedButNotSaved) {
            app.ledger.rows[0] = saved.rows[0];
            app.ledger.rows[1] = unsaved;
        }
        ASSERT_TRUE(PrintText(app));
        const std::string ytd = lineStarting("YTD  ");
        // Columns 30, 50, 65 and 85: gross, taxes (SDI among them), deductions, net.
        EXPECT_EQ(ytd.substr(29, 7), "500.00 ") << ytd;
        EXPECT_EQ(ytd.substr(49, 6), "98.50 ") << ytd;
        EXPECT_EQ(ytd.substr(64, 6), "10.00 ") << ytd;
        EXPECT_EQ(ytd.substr(84, 6), "400.00") << ytd;
        EXPECT_EQ(lineStarting("State Disability Ins").substr(114, 4), "2.50") << lineStarting("State Disability Ins");
    }
    // Empty amount boxes were filled with "0" and print as ".00".
    EXPECT_EQ(app.form1().txtAmount[1], "0");
    EXPECT_EQ(lineStarting("Regular2 Earning").substr(49, 3), ".00");
}

TEST_F(PrintCommands, CancelledPrinterChoicePrintsNothing) {
    ui.answerPrinter(false);
    printPayStubCommand(app);
    ui.answerPrinter(true).answerPrinter(false);  // the second choice, inside the print
    printPayStubCommand(app);
    EXPECT_TRUE(printer.documents().empty());
    EXPECT_TRUE(ui.messages().empty());
}

// Absurd inputs that overflow a stub value: a clear message, no page.
TEST_F(PrintCommands, OverflowReportsAndPrintsNothing) {
    app.profile.HourRate = 3e38f;
    app.period.Avas = 10;
    EXPECT_FALSE(PrintText(app));
    EXPECT_TRUE(printer.documents().empty());
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].find("too large"), std::string::npos);
}

TEST_F(PrintCommands, LedgerPrintLandscape) {
    app.heading = {"Acme Widgets, Inc.", "100 Commerce Way", "Salem, OR 97301", "93-1234567"};
    app.ledger.rows[0] = LedgerRow{"11/30/2018", 40, 30, 7, 15, 4, 25, 0, 12, 0, 0, 10, 0, 46.5f, 500, 356.25f, 1.5f, 0.5f, 0};
    app.ledger.rows[1] = LedgerRow{"12/7/2018", 50, 38.44f, 8.99f, 20, 5, 25, 0, 12, 0, 0, 17.32f, 0, 0, 620, 443.25f, 0, 0, 0};
    app.ledger.rows[2].YrFed = -0.5f;  // a correction, printed with its sign
    ASSERT_TRUE(recomputeYearSums(app.ledger, true));
    PrintYr(app);
    ASSERT_EQ(printer.documents().size(), 1u);
    EXPECT_TRUE(printer.documents()[0].landscape);
    const auto& page = printer.documents()[0].pages.at(0);
    EXPECT_EQ(page.lines.size(), 5u + 53u + 4u);
    testing::expectGolden("ledger.txt", printer.text());
    EXPECT_EQ(ledgerPrintNumber(12.5f), " 12.5 ");
    EXPECT_EQ(ledgerPrintNumber(0.5f), " .5 ");
    EXPECT_EQ(ledgerPrintNumber(-3), "-3 ");
}

}  // namespace
}  // namespace qv
