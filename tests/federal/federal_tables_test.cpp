#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/record_line.h"
#include "federal/federal_files.h"
#include "federal/federal_tables.h"
#include "platform/headless/scripted_ui.h"
#include "support/app_fixture.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

const std::string kMissingMessage =
    "   Operation Failed ! ! !\r\n"
    "Save and Open, Only in Folder\r\n"
    "where Quorvane 2018 was installed\r\n"
    "Contact VORNAXEL SOFTWARE\r\n"
    "support@vornaxel.example";

std::string shippedFile() { return *readWholeFile(fs::path(QUORVANE_DATA) / "Federal18.dtt"); }

// A working folder of its own for each test, removed afterwards.
class FederalFile : public testing::AppTest {
protected:
    FederalFile() : AppTest(Date{2018, 3, 1}, "qv_federal_") {}
    void writeTables(const std::string& content) { dir.write("Federal18.dtt", content); }
};

TEST_F(FederalFile, ShippedTablesLoad) {
    writeTables(shippedFile());
    ASSERT_TRUE(LoadFederalTables(app));
    EXPECT_TRUE(ui.messages().empty());
    const FederalTables& t = app.federal;
    EXPECT_EQ(t.FedTableVer, "2018 Percentage Method Tables");

    // Row 0 is the untaxed band, rows 1 to 6 the 10 % to 35 % brackets, row 7 the 37 % bracket.
    EXPECT_EQ(t.FedWkSingle[0], (FedRow{0, 71, 0, 0, 0}));
    EXPECT_EQ(t.FedWkSingle[1], (FedRow{71, 254, 71, 0.10f, 0}));
    EXPECT_EQ(t.FedWkSingle[3], (FedRow{815, 1658, 815, 0.22f, 85.62f}));
    EXPECT_EQ(t.FedWkSingle[7], (FedRow{9687, 0, 9687, 0.37f, 2898.10f}));
    EXPECT_EQ(t.FedWkMarried[0].NotOver, 222);
    EXPECT_EQ(t.FedWkMarried[7], (FedRow{11761, 0, 11761, 0.37f, 3103.57f}));
    EXPECT_EQ(t.FedBiwSingle[0].NotOver, 142);
    EXPECT_EQ(t.FedBiwSingle[6], (FedRow{7835, 19373, 7835, 0.35f, 1757.42f}));
    EXPECT_EQ(t.FedBiwMarried[2], (FedRow{1177, 3421, 1177, 0.12f, 73.30f}));
    EXPECT_EQ(t.FedBiwMarried[7], (FedRow{23521, 0, 23521, 0.37f, 6206.84f}));
    for (int n = 0; n <= 9; ++n) {
        EXPECT_FLOAT_EQ(t.FedAllowSingle[static_cast<std::size_t>(n)], 79.80f * static_cast<float>(n)) << n;
        EXPECT_FLOAT_EQ(t.FedAllowMarried[static_cast<std::size_t>(n)], 79.80f * static_cast<float>(n)) << n;
    }
    // Each table's brackets join: a row starts where the one before ends.
    for (const FedTable* table : {&t.FedBiwSingle, &t.FedWkSingle, &t.FedBiwMarried, &t.FedWkMarried})
        for (std::size_t r = 1; r <= 7; ++r) EXPECT_EQ((*table)[r].Over, (*table)[r - 1].NotOver) << r;
}

// Layouts the reader must take alike: the same fields with other line ends
// and number spellings.
TEST_F(FederalFile, OtherLayoutsLoadTheSameTables) {
    const std::string shipped = shippedFile();
    writeTables(shipped);
    ASSERT_TRUE(LoadFederalTables(app));
    const FederalTables expected = app.federal;

    auto replaceAll = [](std::string s, const std::string& from, const std::string& to) {
        for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
            s.replace(at, from.size(), to);
        return s;
    };
    const struct {
        const char* what;
        std::string content;
    } layouts[] = {
        {"all on one line", replaceAll(shipped, "\r\n", ",")},
        {"LF line ends", replaceAll(shipped, "\r\n", "\n")},
        {"leading zeros", replaceAll(shipped, ",.", ",0.")},
        {"exponents", replaceAll(shipped, "1631,", "1.631E3,")},
        {"blanks around fields", replaceAll(shipped, ",", " , ")},
        {"text after the edition", shipped + "\"more\",1,2\r\n"},
    };
    for (const auto& layout : layouts) {
        app.federal = FederalTables{};
        writeTables(layout.content);
        EXPECT_TRUE(LoadFederalTables(app)) << layout.what;
        EXPECT_EQ(app.federal, expected) << layout.what;
    }
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(FederalFile, MissingFileShowsTheMessageEveryTime) {
    FederalTables before;
    before.FedWkSingle[3] = FedRow{815, 1658, 815, 0.22f, 85.62f};
    before.FedAllowMarried[2] = 159.6f;
    before.FedTableVer = "earlier edition";
    app.federal = before;

    EXPECT_FALSE(FederalFileExists(app));
    EXPECT_FALSE(LoadFederalTables(app));
    EXPECT_FALSE(LoadFederalTables(app));
    EXPECT_EQ(ui.messages(), (std::vector<std::string>{kMissingMessage, kMissingMessage, kMissingMessage}));
    EXPECT_EQ(app.federal, before);
}

TEST_F(FederalFile, AFolderInPlaceOfTheFileCountsAsMissing) {
    fs::create_directory(dir / "Federal18.dtt");
    EXPECT_FALSE(LoadFederalTables(app));
    EXPECT_EQ(ui.messages(), std::vector<std::string>{kMissingMessage});
}

TEST_F(FederalFile, FileInTheWorkingFolderIsReadNotTheCurrentFolder) {
    writeTables(shippedFile());
    const fs::path elsewhere = dir / "elsewhere";
    fs::create_directory(elsewhere);
    app.setFolder(elsewhere);
    EXPECT_FALSE(LoadFederalTables(app));
    app.setFolder(dir);
    EXPECT_TRUE(LoadFederalTables(app));
}

// A damaged file is reported with the file's name and the fault, and the
// tables in memory stay exactly as they were: never half replaced.
TEST_F(FederalFile, DamagedFileKeepsTheTables) {
    const std::string shipped = shippedFile();
    writeTables(shipped);
    ASSERT_TRUE(LoadFederalTables(app));
    const FederalTables good = app.federal;

    std::string badNumber = shipped;
    badNumber.replace(badNumber.find("18.3"), 4, "18.3x");
    std::string badAllowance = shipped;
    badAllowance.replace(badAllowance.find("239.4"), 5, "abc");
    const struct {
        const char* what;
        std::string content;
        const char* expectInMessage;
    } damaged[] = {
        {"cut in the tables", shipped.substr(0, shipped.size() / 2), "ends before field"},
        {"cut before the edition text", shipped.substr(0, shipped.rfind(",\"2018")), "edition text"},
        {"empty file", "", "ends before field"},
        {"a word where a rate belongs", badNumber, "18.3x"},
        {"a word among the allowances", badAllowance, "single allowances"},
        {"a number too large for a single", "1e39," + shipped, "too large"},
    };
    for (const auto& d : damaged) {
        ui.clearShown();
        writeTables(d.content);
        EXPECT_FALSE(LoadFederalTables(app)) << d.what;
        EXPECT_EQ(app.federal, good) << d.what;
        const auto shown = ui.messages();
        ASSERT_EQ(shown.size(), 1u) << d.what;
        EXPECT_NE(shown[0].find("\"Federal18.dtt\""), std::string::npos) << shown[0];
        EXPECT_NE(shown[0].find(d.expectInMessage), std::string::npos) << d.what << ": " << shown[0];
    }
}

TEST(FederalTablesRecord, ClearingKeepsOnlyTheEdition) {
    FederalTables t = parseFederalTables(shippedFile());
    t.clearNumbers();
    FederalTables expected;
    expected.FedTableVer = "2018 Percentage Method Tables";
    EXPECT_EQ(t, expected);
}

TEST(FederalTablesRecord, ParseErrorsNameTheFile) {
    try {
        parseFederalTables("1,2,3", "Federal18.dtt");
        FAIL() << "a three-field file was accepted";
    } catch (const RecordReadError& e) {
        EXPECT_EQ(e.fileName(), "Federal18.dtt");
        EXPECT_NE(std::string(e.what()).find("bi-weekly single table row 0"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace qv
