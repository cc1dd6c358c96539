#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_io.h"
#include "platform/headless/scripted_ui.h"
#include "support/app_fixture.h"
#include "printing/print_heading.h"

namespace qv {
namespace {

class HeadingTest : public testing::AppTest {
protected:
    HeadingTest() : AppTest(Date{2018, 12, 7}, "qv_heading_") {}
    void SetUp() override {
    }
    std::string fileText() { return readWholeFile(dir / "Header.sav").value_or("<none>"); }
};

TEST_F(HeadingTest, NoFileShowsPlaceholdersAndOkSavesThem) {
    DialogHeader& d = app.dialogHeader();
    d.show();
    EXPECT_EQ(d.txtHeader, (std::array<std::string, 4>{"Company", "Address", "Zip Code", "ID Number"}));
    d.cmdOK_Click();
    EXPECT_EQ(fileText(), "\"Company\",\"Address\",\"Zip Code\",\"ID Number\"\r\n");
    EXPECT_FALSE(d.loaded);
}

TEST_F(HeadingTest, CommaSurvivesAndQuoteBecomesApostrophe) {
    DialogHeader& d = app.dialogHeader();
    d.show();
    d.txtHeader = {"Acme, Inc.", "1 Main St, Suite 2", "Salem, OR 97301", "ID \"93-1234567\""};
    d.cmdOK_Click();

    App other(ui, clock, dir);
    LoadHeading(other);
    EXPECT_EQ(other.heading.HeadCompany, "Acme, Inc.");
    EXPECT_EQ(other.heading.HeadAddress, "1 Main St, Suite 2");
    EXPECT_EQ(other.heading.HeadZip, "Salem, OR 97301");
    EXPECT_EQ(other.heading.HeadIdNumber, "ID '93-1234567'");
}

TEST_F(HeadingTest, CancelKeepsPlaceholdersInMemoryButSavesNothing) {
    DialogHeader& d = app.dialogHeader();
    d.show();
    d.txtHeader[0] = "Typed but cancelled";
    d.cmdCancel_Click();
    EXPECT_EQ(app.heading.HeadCompany, "Company");
    EXPECT_EQ(app.heading.HeadIdNumber, "ID Number");
    EXPECT_FALSE(std::filesystem::exists(dir / "Header.sav"));
}

TEST_F(HeadingTest, ExistingFileLoadsIntoTheBoxes) {
    ASSERT_TRUE(replaceFile(dir / "Header.sav", "\"Acme\",\"\",\"Salem\",\"77\"\r\n"));
    DialogHeader& d = app.dialogHeader();
    d.show();
    EXPECT_EQ(d.txtHeader, (std::array<std::string, 4>{"Acme", "Address", "Salem", "77"}));
}

// A file cut short is not half-applied: the heading keeps what it held.
TEST_F(HeadingTest, DamagedFileLeavesHeadingUnchanged) {
    app.heading = {"Old Co", "Old St", "Old Zip", "Old ID"};
    ASSERT_TRUE(replaceFile(dir / "Header.sav", "\"New Co\",\"New St\"\r\n"));
    LoadHeading(app);
    EXPECT_EQ(app.heading, (PrintHeading{"Old Co", "Old St", "Old Zip", "Old ID"}));
}

// A heading that cannot be written is reported by file name and the dialog
// stays open with what the user typed.
TEST_F(HeadingTest, UnwritableFileReportsAndKeepsDialogOpen) {
    std::filesystem::create_directory(dir / "Header.sav");  // in the way of the file
    DialogHeader& d = app.dialogHeader();
    d.show();
    d.txtHeader[0] = "Changed";
    d.cmdOK_Click();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].find("Header.sav"), std::string::npos);
    EXPECT_TRUE(d.loaded);
    EXPECT_EQ(d.txtHeader[0], "Changed");
}

}  // namespace
}  // namespace qv
