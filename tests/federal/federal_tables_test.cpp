#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/file_io.h"
#include "common/record_line.h"
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

}  // namespace
}  // namespace qv
