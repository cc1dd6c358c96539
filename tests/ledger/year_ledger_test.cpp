#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_io.h"
#include "common/format.h"
#include "common/record_line.h"
#include "ledger/frm_year_tot.h"
#include "ledger/year_files.h"
#include "ledger/year_ledger.h"
#include "platform/headless/scripted_ui.h"
#include "support/app_fixture.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class YearLedgerFile : public testing::AppTest {
protected:
    YearLedgerFile() : AppTest(Date{2018, 3, 9}, "qv_ledger_") {}
    void SetUp() override {
        app.UserFile = "Smith";
        app.profile.Weekly = true;
    }

    static LedgerRow sampleRow(int i) {
        LedgerRow r;
        r.YrDate = "1/" + std::to_string(i % 28 + 1) + "/2018";
        float base = static_cast<float>(i + 1);
        int k = 0;
        for (float LedgerRow::*f : {&LedgerRow::YrFed, &LedgerRow::YrSS, &LedgerRow::YrMedi, &LedgerRow::YrState,
                                    &LedgerRow::YrCity, &LedgerRow::YrMuni, &LedgerRow::YrBond, &LedgerRow::YrDues,
                                    &LedgerRow::YrPen, &LedgerRow::YrMisc, &LedgerRow::YrKplan, &LedgerRow::YrOT,
                                    &LedgerRow::YrTips, &LedgerRow::YrGross, &LedgerRow::YrNet, &LedgerRow::YrSdi,
                                    &LedgerRow::YrSui, &LedgerRow::YrCafe})
            r.*f = base * 1.25f + static_cast<float>(k++) * 0.01f;
        return r;
    }
};

TEST_F(YearLedgerFile, WeeklyRoundTripKeepsEveryRowAndTheTrailer) {
    YearLedger written;
    for (int i = 0; i < kLedgerSlots; ++i) written.rows[static_cast<std::size_t>(i)] = sampleRow(i);
    ASSERT_TRUE(recomputeYearSums(written, true));
    std::string text = yearLedgerFileText(written, true);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 215);

    YearLedger read;
    readYearLedgerText(text, "Smith.yrw", true, read);
    // The SDI/SUI/cafeteria sums are not in the file.
    read.TotSdi = written.TotSdi;
    read.TotSui = written.TotSui;
    read.TotCafe = written.TotCafe;
    EXPECT_EQ(read, written);
}

TEST_F(YearLedgerFile, BiWeeklyFileHas111LinesAndLeavesTheUpperSlotsAlone) {
    YearLedger written;
    for (int i = 0; i < kLedgerSlots; ++i) written.rows[static_cast<std::size_t>(i)] = sampleRow(i);
    std::string text = yearLedgerFileText(written, false);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 111);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 111);

    YearLedger read;
    read.rows[40].YrSdi = 7;
    read.rows[40].YrDate = "kept";
    readYearLedgerText(text, "Smith.yrb", false, read);
    EXPECT_EQ(read.rows[26], written.rows[26]);
    EXPECT_EQ(read.rows[40].YrDate, "kept");
    EXPECT_EQ(read.rows[40].YrSdi, 7);
    // The SDI sum still counts every slot.
    ASSERT_TRUE(recomputeYearSums(read, false));
    float expected = 0;
    for (int i = 0; i < 27; ++i) expected = sgl(ext(expected) + ext(written.rows[static_cast<std::size_t>(i)].YrSdi));
    expected = sgl(ext(expected) + 7.0L);
    EXPECT_FLOAT_EQ(read.TotSdi, expected);
}

TEST_F(YearLedgerFile, HandWrittenFileInTheDocumentedLayoutLoads) {
    // Row 1 posted, the rest empty; values below one without a leading zero.
    std::string text = "\"1/5/2018\",100.5,62,14.5,20.25\r\n3,0,0,0,0\r\n.5,0,45,1000,812.34\r\n1.5,2,10,4.75\r\n";
    for (int i = 1; i < 27; ++i) text += "\"\",0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0\r\n";
    text += "100.5,62,14.5,20.25,3\r\n0,0,0,0,.5\r\n0,45,1000,812.34,4.75\r\n";
    YearLedger read;
    readYearLedgerText(text, "Smith.yrb", false, read);
    const LedgerRow& r = read.rows[0];
    EXPECT_EQ(r.YrDate, "1/5/2018");
    EXPECT_FLOAT_EQ(r.YrFed, 100.5f);
    EXPECT_FLOAT_EQ(r.YrCity, 3);
    EXPECT_FLOAT_EQ(r.YrMisc, 0.5f);
    EXPECT_FLOAT_EQ(r.YrOT, 45);
    EXPECT_FLOAT_EQ(r.YrGross, 1000);
    EXPECT_FLOAT_EQ(r.YrNet, 812.34f);
    EXPECT_FLOAT_EQ(r.YrSdi, 1.5f);
    EXPECT_FLOAT_EQ(r.YrCafe, 10);
    EXPECT_FLOAT_EQ(r.YrTips, 4.75f);
    EXPECT_EQ(read.TotGross, Currency::fromUnits(10000000));
    EXPECT_EQ(read.TotNet, Currency::fromUnits(8123400));
    EXPECT_EQ(read.TotTips, Currency::fromUnits(47500));
    // Written back byte for byte.
    EXPECT_EQ(yearLedgerFileText(read, false), text);
}

TEST_F(YearLedgerFile, TenCentsFiftyThreeTimesIsTheSingleNearestToFivePointThree) {
    YearLedger l;
    for (auto& row : l.rows) row.YrFed = 0.10f;
    ASSERT_TRUE(recomputeYearSums(l, true));
    EXPECT_EQ(l.TotFed, 5.3f);
    float plain = 0;
    for (int i = 0; i < 53; ++i) plain += 0.10f;
    EXPECT_NE(plain, 5.3f);  // what the rounding through text protects against
}

TEST_F(YearLedgerFile, GrossWithMoreThanTwoDecimalsEntersTheSumWithFour) {
    YearLedger l;
    l.rows[0].YrGross = 100.12345f;
    ASSERT_TRUE(recomputeYearSums(l, true));
    EXPECT_EQ(l.TotGross, Currency::fromUnits(1001235));
}

TEST_F(YearLedgerFile, AmountBeyondTheCurrencyRangeFailsTheRecomputation) {
    YearLedger l;
    l.rows[3].YrFed = 2;
    l.rows[3].YrGross = 3e18f;
    EXPECT_FALSE(recomputeYearSums(l, true));
    EXPECT_EQ(l.TotFed, 2);  // reached before the failure
}

TEST_F(YearLedgerFile, SaveThenLoadThroughTheProgram) {
    app.ledger.rows[4].YrDate = "2/2/2018";
    app.ledger.rows[4].YrGross = 1000;
    app.ledger.rows[4].YrNet = 812.34f;
    ASSERT_TRUE(SaveAnnual(app));
    EXPECT_EQ(app.ledger.TotGross, Currency::fromDouble(1000));
    ASSERT_TRUE(fileExists(dir / "Smith.yrw"));
    EXPECT_FALSE(AnnualExists(app, false));

    App other(ui, clock, dir);
    other.UserFile = "Smith";
    other.profile.Weekly = true;
    LoadAnnual(other);
    EXPECT_EQ(other.ledger.rows[4].YrDate, "2/2/2018");
    EXPECT_EQ(other.ledger.TotNet, Currency::fromDouble(812.34));
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(YearLedgerFile, DamagedFileIsReportedAndTheRecordKept) {
    for (const char* content : {"\"1/5/2018\",1,2,3\r\n", "\"x\",abc,0,0,0\r\n"}) {
        {
            dir.write("Smith.yrw", content);
        }
        app.ledger = YearLedger{};
        app.ledger.rows[0].YrDate = "mine";
        app.ledger.rows[0].YrGross = 5;
        ui.clearShown();
        LoadAnnual(app);
        ASSERT_EQ(ui.messages().size(), 1u) << content;
        EXPECT_EQ(ui.messages()[0], "You have corupted a file.\r\nFind file,\r\nSmith.yrw\r\nand delete it.");
        EXPECT_EQ(app.ledger.rows[0].YrDate, "mine");
        EXPECT_EQ(app.ledger.rows[0].YrGross, 5);
    }
}

TEST_F(YearLedgerFile, MissingFileLeavesTheRecord) {
    app.ledger.rows[2].YrGross = 250;
    LoadAnnual(app);
    EXPECT_EQ(app.ledger.rows[2].YrGross, 250);
    EXPECT_EQ(app.ledger.TotGross, Currency::fromDouble(250));
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(YearLedgerFile, FailedWriteIsReportedAndLeavesNoTemporaryFile) {
    // A folder in the file's place cannot be replaced.
    fs::create_directories(dir / "Smith.yrw" / "inside");
    app.ledger.rows[0].YrGross = 99;
    EXPECT_FALSE(SaveAnnual(app));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].find("Smith.yrw"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(dir / "Smith.yrw" / "inside"));
    int files = 0;
    for (auto& e : fs::directory_iterator(dir)) files += e.is_regular_file();
    EXPECT_EQ(files, 0);
}

}  // namespace
}  // namespace qv
