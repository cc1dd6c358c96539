#include <gtest/gtest.h>

#include "common/record_line.h"
#include "local/city_files.h"
#include "local/city_tables.h"
#include "local/dialog_city.h"
#include "local_fixture.h"

namespace qv {
namespace {

using testing::LocalFixture;

const char* const kNewYorkFile =
    "0,0,.0205,0,0,.0205\r\n"
    "308,6.31,.028,308,6.31,.028\r\n"
    "334,7.08,.0325,334,7.08,.0325\r\n"
    "577,14.92,.0395,577,14.92,.0395\r\n"
    "962,30.12,.0415,962,30.12,.0415\r\n"
    "2308,86,.0425,2308,86,.0425\r\n"
    "999999,0,0,999999,0,0\r\n"
    "999999,0,0,999999,0,0\r\n"
    "999999,0,0,999999,0,0\r\n"
    "999999,0,0,999999,0,0\r\n"
    "0\r\n"
    "192.3,211.5\r\n"
    "230.8,250\r\n"
    "269.3,288.5\r\n"
    "307.8,327\r\n"
    "346.3,365.5\r\n"
    "384.8,404\r\n"
    "423.3,442.5\r\n"
    "461.8,481\r\n"
    "500.3,519.5\r\n"
    "538.8,558\r\n";

// Distinct values in every cell, so a field read into the wrong place shows.
// Each is the single nearest a short decimal, as a typed box gives.
CityTaxTables distinctTables() {
    CityTaxTables t;
    auto f = [](double v) { return static_cast<float>(v); };
    for (int r = 0; r < 10; ++r) {
        t.CityMinBS[r] = f(100.25 * r);
        t.CityAmtBS[r] = f(1.5 + r);
        t.CityPerBS[r] = f(0.001 * (r + 1));
        t.CityMinBM[r] = f(200.75 * r + 3);
        t.CityAmtBM[r] = f(2.25 + r);
        t.CityPerBM[r] = f(0.0007 * (r + 2));
        t.CitySgExp[r] = f(10.1 * r + 0.3);
        t.CityMarExp[r] = f(20.2 * r + 0.7);
    }
    t.NoLocalTax = 1;
    return t;
}

TEST(CityTablesFile, NewYorkPresetIsWrittenByteForByte) {
    EXPECT_EQ(cityTablesText(NewYorkCityTables()), kNewYorkFile);
}

TEST(CityTablesFile, RoundTripKeepsEveryField) {
    const CityTaxTables t = distinctTables();
    CityTaxTables back;
    readCityTables(cityTablesText(t), "x.cti", back);
    EXPECT_EQ(back, t);
}

TEST(CityTablesFile, HandWrittenFileLoadsInFileOrder) {
    // Another writer's spellings: leading zeros, blanks, an exponent, LF only.
    std::string text =
        "1, 2, 0.5, 4, 5, .25\n"
        "10,20,0.03,40,50,6E-2\n";
    for (int r = 3; r <= 10; ++r) text += "999999,0,0,999999,0,0\r\n";
    text += "1\r\n";
    for (int n = 0; n < 10; ++n) text += std::to_string(n) + ".5," + std::to_string(n + 100) + "\r\n";
    CityTaxTables t;
    readCityTables(text, "h.cti", t);
    EXPECT_EQ(t.CityMinBS[0], 1);
    EXPECT_EQ(t.CityAmtBS[0], 2);
    EXPECT_EQ(t.CityPerBS[0], 0.5f);
    EXPECT_EQ(t.CityMinBM[0], 4);
    EXPECT_EQ(t.CityAmtBM[0], 5);
    EXPECT_EQ(t.CityPerBM[0], 0.25f);
    EXPECT_EQ(t.CityPerBS[1], 0.03f);
    EXPECT_EQ(t.CityPerBM[1], 0.06f);
    EXPECT_EQ(t.CityMinBS[9], 999999);
    EXPECT_EQ(t.NoLocalTax, 1);
    EXPECT_EQ(t.CitySgExp[0], 0.5f);
    EXPECT_EQ(t.CityMarExp[0], 100);
    EXPECT_EQ(t.CitySgExp[9], 9.5f);
    EXPECT_EQ(t.CityMarExp[9], 109);
}

class CityTablesLoad : public LocalFixture {};

TEST_F(CityTablesLoad, MissingFileChangesNothing) {
    app.UserFile = "Nobody";
    app.city = distinctTables();
    EXPECT_FALSE(CityFileExists(app));
    LoadCityTables(app);
    EXPECT_EQ(app.city, distinctTables());
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(CityTablesLoad, FileGoesIntoRecordAndBoxes) {
    app.UserFile = "Smith";
    CityTaxTables t = distinctTables();
    t.NoLocalTax = 0;
    writeFile("Smith.cti", cityTablesText(t));
    LoadCityTables(app);
    EXPECT_EQ(app.city, t);
    DialogCity& d = app.dialogCity();
    EXPECT_TRUE(d.loaded);
    EXPECT_FALSE(d.visible);
    EXPECT_EQ(d.txtCityMinBS[1], "100.25");
    EXPECT_EQ(d.txtCityPerBS[0], "0.001");
    EXPECT_EQ(d.txtCityMarExp[9], "182.5");
    EXPECT_EQ(d.ckNoLocalTax, 0);
}

TEST_F(CityTablesLoad, SaveWritesTheEmployeesFileAndNoTemporaries) {
    app.UserFile = "Smith";
    app.city = NewYorkCityTables();
    ASSERT_TRUE(SaveCityTables(app));
    EXPECT_EQ(dir.read("Smith.cti"), kNewYorkFile);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST_F(CityTablesLoad, EmptyNameWritesTheDefaultFile) {
    app.city = NewYorkCityTables();
    ASSERT_TRUE(SaveCityTables(app));
    EXPECT_EQ(dir.read(".cti"), kNewYorkFile);
}

TEST_F(CityTablesLoad, UnwritableFileShowsTheMessage) {
    app.setFolder(dir / "no such folder");
    EXPECT_FALSE(SaveCityTables(app));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0], "Check your numbers\r\nNo blanks\r\nOnly numbers");
}

// A city file that cannot be read to its end: the message names the file,
// a file whose lines do not hold their fields loads nothing, and the boxes
// are not refreshed.
struct CorruptCase {
    const char* what;
    std::string content;
    float expectMinBS1;  // row 2 single minimum after the load
    float expectSgExp0;  // allowance 0 after the load
};

TEST_F(CityTablesLoad, CorruptFileStopsWithTheMessage) {
    const std::string full = kNewYorkFile;
    std::size_t cut = 0;
    for (int line = 0; line < 5; ++line) cut = full.find('\n', cut) + 1;
    const std::string fiveLines = full.substr(0, cut);
    std::string badAllowance = full;
    badAllowance.replace(badAllowance.find("192.3"), 5, "abc");
    const CorruptCase cases[] = {
        {"too few lines", fiveLines, 100.25f, 0.3f},
        {"text in a number", badAllowance, 308, 0.3f},
        {"empty file", "", 100.25f, 0.3f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        app.UserFile = "Jones";
        DialogCity& d = app.dialogCity();
        d.ensureLoaded();
        app.city = distinctTables();
        d.txtCityMinBS[1] = "typed";
        ui.clearShown();
        writeFile("Jones.cti", c.content);
        LoadCityTables(app);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0], "You have corupted a file.\r\nFind file,\r\nJones.cti\r\nand delete it.");
        EXPECT_EQ(app.city.CityMinBS[1], c.expectMinBS1);
        EXPECT_EQ(app.city.CitySgExp[0], c.expectSgExp0);
        EXPECT_EQ(d.txtCityMinBS[1], "typed");
    }
}

}  // namespace
}  // namespace qv
