#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "common/file_io.h"
#include "common/record_line.h"
#include "federal/federal_files.h"
#include "federal/federal_tables.h"
#include "paysheet/app.h"
#include "platform/headless/scripted_ui.h"

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
class FederalFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("qv_federal_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                   std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        app_ = std::make_unique<App>(ui_, clock_, folder_);
    }
    void TearDown() override {
        app_.reset();
        fs::remove_all(folder_);
    }
    void writeTables(const std::string& content) {
        std::ofstream out(folder_ / "Federal18.dtt", std::ios::binary);
        out << content;
    }

    platform::ScriptedUi ui_;
    platform::FixedClock clock_{Date{2018, 3, 1}};
    fs::path folder_;
    std::unique_ptr<App> app_;
};

TEST_F(FederalFile, ShippedTablesLoad) {
    writeTables(shippedFile());
    ASSERT_TRUE(LoadFederalTables(*app_));
    EXPECT_TRUE(ui_.messages().empty());
    const FederalTables& t = app_->federal;
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
    ASSERT_TRUE(LoadFederalTables(*app_));
    const FederalTables expected = app_->federal;

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
        app_->federal = FederalTables{};
        writeTables(layout.content);
        EXPECT_TRUE(LoadFederalTables(*app_)) << layout.what;
        EXPECT_EQ(app_->federal, expected) << layout.what;
    }
    EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(FederalFile, MissingFileShowsTheMessageEveryTime) {
    FederalTables before;
    before.FedWkSingle[3] = FedRow{815, 1658, 815, 0.22f, 85.62f};
    before.FedAllowMarried[2] = 159.6f;
    before.FedTableVer = "earlier edition";
    app_->federal = before;

    EXPECT_FALSE(FederalFileExists(*app_));
    EXPECT_FALSE(LoadFederalTables(*app_));
    EXPECT_FALSE(LoadFederalTables(*app_));
    EXPECT_EQ(ui_.messages(), (std::vector<std::string>{kMissingMessage, kMissingMessage, kMissingMessage}));
    EXPECT_EQ(app_->federal, before);
}

TEST_F(FederalFile, AFolderInPlaceOfTheFileCountsAsMissing) {
    fs::create_directory(folder_ / "Federal18.dtt");
    EXPECT_FALSE(LoadFederalTables(*app_));
    EXPECT_EQ(ui_.messages(), std::vector<std::string>{kMissingMessage});
}

TEST_F(FederalFile, FileInTheWorkingFolderIsReadNotTheCurrentFolder) {
    writeTables(shippedFile());
    const fs::path elsewhere = folder_ / "elsewhere";
    fs::create_directory(elsewhere);
    app_->setFolder(elsewhere);
    EXPECT_FALSE(LoadFederalTables(*app_));
    app_->setFolder(folder_);
    EXPECT_TRUE(LoadFederalTables(*app_));
}

// A damaged file is reported with the file's name and the fault, and the
// tables in memory stay exactly as they were: never half replaced.
TEST_F(FederalFile, DamagedFileKeepsTheTables) {
    const std::string shipped = shippedFile();
    writeTables(shipped);
    ASSERT_TRUE(LoadFederalTables(*app_));
    const FederalTables good = app_->federal;

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
        ui_.clearShown();
        writeTables(d.content);
        EXPECT_FALSE(LoadFederalTables(*app_)) << d.what;
        EXPECT_EQ(app_->federal, good) << d.what;
        const auto shown = ui_.messages();
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
