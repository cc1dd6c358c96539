#include <gtest/gtest.h>

#include "common/record_line.h"
#include "local/dialog_non_city.h"
#include "local/non_city_files.h"
#include "local/non_city_table.h"
#include "local_fixture.h"

namespace qv {
namespace {

const char* const kDefaultFile =
    "0,0,0,0\r\n"
    "145,115,78,58\r\n"
    "385,77,192,38\r\n"
    "769,38,385,19\r\n"
    "1154,0,577,0\r\n"
    "999999,0,999999,0\r\n"
    "999999,0,999999,0\r\n"
    "999999,0,999999,0\r\n"
    ".0045\r\n";

NonCityTable distinctTable() {
    NonCityTable t;
    auto f = [](double v) { return static_cast<float>(v); };
    for (int r = 0; r < 8; ++r) {
        t.NonMinBi[r] = f(100.5 * r);
        t.NonExpBi[r] = f(80 - 9.25 * r);
        t.NonMinWk[r] = f(50.25 * r);
        t.NonExpWk[r] = f(40 - 4.5 * r);
    }
    t.NonPer = 0.0125f;
    return t;
}

TEST(NonCityFile, DefaultTableIsWrittenByteForByte) {
    EXPECT_EQ(nonCityTableText(DefaultNonCityTable()), kDefaultFile);
}

TEST(NonCityFile, RoundTripAndHandWrittenFile) {
    EXPECT_EQ(parseNonCityTable(nonCityTableText(distinctTable()), "x.nci"), distinctTable());
    // Row by row: bi-weekly minimum, bi-weekly subtract, weekly minimum,
    // weekly subtract; then the rate, here with a leading zero.
    std::string text = "0, 0, 0, 0\n1,2,3,4\n";
    for (int r = 3; r <= 8; ++r) text += "999999,0,999999,0\r\n";
    text += "0.0045\r\n";
    NonCityTable t = parseNonCityTable(text, "h.nci");
    EXPECT_EQ(t.NonMinBi[1], 1);
    EXPECT_EQ(t.NonExpBi[1], 2);
    EXPECT_EQ(t.NonMinWk[1], 3);
    EXPECT_EQ(t.NonExpWk[1], 4);
    EXPECT_EQ(t.NonMinWk[7], 999999);
    EXPECT_EQ(t.NonPer, 0.0045f);
}

class DialogNonCityTest : public testing::LocalFixture {
protected:
    DialogNonCity& dlg() { return app.dialogNonCity(); }
    // The menu "Non City Tax".
    DialogNonCity& openFromMenu() {
        dlg().show();
        return dlg();
    }
};

TEST_F(DialogNonCityTest, LoadingWithoutAFileTakesTheDefaults) {
    app.UserFile = "Nobody";
    DialogNonCity& d = openFromMenu();
    EXPECT_EQ(d.txtNonMinBi[1], "145");
    EXPECT_EQ(d.txtNonExpWk[2], "38");
    EXPECT_EQ(d.txtNonMinWk[7], "999999");
    EXPECT_EQ(d.txtNonPer, "0.0045");
    EXPECT_EQ(app.nonCity, DefaultNonCityTable());
    EXPECT_FALSE(dir.has("Nobody.nci"));
}

TEST_F(DialogNonCityTest, LoadingReadsTheFileAndSaveWritesIt) {
    app.UserFile = "Smith";
    writeFile("Smith.nci", nonCityTableText(distinctTable()));
    DialogNonCity& d = openFromMenu();
    EXPECT_EQ(app.nonCity, distinctTable());
    EXPECT_EQ(d.txtNonMinBi[1], "100.5");
    EXPECT_EQ(d.txtNonPer, "0.0125");
    d.txtNonExpBi[0] = "90";
    d.txtNonPer = "";  // an emptied box takes its default
    d.OKButton_Click();
    EXPECT_FALSE(d.loaded);
    NonCityTable expected = distinctTable();
    expected.NonExpBi[0] = 90;
    expected.NonPer = 0.0045f;
    EXPECT_EQ(app.nonCity, expected);
    EXPECT_EQ(dir.read("Smith.nci"), nonCityTableText(expected));
}

TEST_F(DialogNonCityTest, CancelOnlyHidesAndKeepsTheEdits) {
    app.UserFile = "Smith";
    DialogNonCity& d = openFromMenu();
    d.txtNonMinBi[2] = "400";
    d.cmdDefault_Click();  // "&DEFAULT" changes the boxes only
    d.txtNonMinBi[2] = "400";
    d.CancelButton_Click();
    EXPECT_TRUE(d.loaded);
    EXPECT_FALSE(d.visible);
    EXPECT_EQ(app.nonCity, DefaultNonCityTable());
    openFromMenu();
    EXPECT_TRUE(d.visible);
    EXPECT_EQ(d.txtNonMinBi[2], "400");
    EXPECT_EQ(app.nonCity, DefaultNonCityTable());
    EXPECT_FALSE(dir.has("Smith.nci"));
}

TEST_F(DialogNonCityTest, DefaultRestoresEveryBox) {
    app.UserFile = "Smith";
    writeFile("Smith.nci", nonCityTableText(distinctTable()));
    DialogNonCity& d = openFromMenu();
    d.cmdDefault_Click();
    EXPECT_EQ(app.nonCity, distinctTable());
    d.OKButton_Click();
    EXPECT_EQ(dir.read("Smith.nci"), kDefaultFile);
}

TEST_F(DialogNonCityTest, BoxThatIsNoNumberIsRefusedAtSave) {
    app.UserFile = "Smith";
    DialogNonCity& d = openFromMenu();
    d.txtNonMinWk[0] = "12";
    d.txtNonPer = "0.0.1";
    d.OKButton_Click();
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"Check your numbers\r\nNo blanks\r\nOnly numbers"});
    EXPECT_TRUE(d.loaded);
    EXPECT_EQ(app.nonCity, DefaultNonCityTable());
    EXPECT_FALSE(dir.has("Smith.nci"));
}

TEST_F(DialogNonCityTest, CorruptFileChangesNeitherRecordNorBoxes) {
    app.UserFile = "Smith";
    DialogNonCity& d = openFromMenu();
    d.txtNonMinBi[1] = "typed";
    app.nonCity = distinctTable();
    for (const char* content : {"1,2,3,4\r\n5,6,7,8\r\n", "", "0,0,0,0\r\nx,1,2,3\r\n"}) {
        ui.clearShown();
        writeFile("Smith.nci", content);
        LoadNonCityTable(app);
        EXPECT_EQ(ui.messages(),
                  std::vector<std::string>{"You have corupted a file.\r\nFind file,\r\nSmith.nci\r\nand delete it."});
        EXPECT_EQ(app.nonCity, distinctTable());
        EXPECT_EQ(d.txtNonMinBi[1], "typed");
    }
}

TEST_F(DialogNonCityTest, OpeningAnotherEmployeeWithoutAFileGetsTheDefaults) {
    app.UserFile = "Smith";
    writeFile("Smith.nci", nonCityTableText(distinctTable()));
    OpenNonCityTable(app);
    EXPECT_EQ(app.nonCity, distinctTable());
    app.UserFile = "Brown";
    OpenNonCityTable(app);
    EXPECT_EQ(app.nonCity, DefaultNonCityTable());
    EXPECT_EQ(dlg().txtNonMinBi[1], "145");
}

TEST_F(DialogNonCityTest, UnwritableFileStillClosesTheDialog) {
    DialogNonCity& d = openFromMenu();
    app.setFolder(dir / "gone");
    d.OKButton_Click();
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"Check your numbers\r\nNo blanks\r\nOnly numbers"});
    EXPECT_FALSE(d.loaded);
}

TEST_F(DialogNonCityTest, KeyFilter) {
    for (char k : std::string("0123456789 -.\b")) EXPECT_TRUE(DialogNonCity::txtKeyPress(k)) << int(k);
    for (char k : std::string("aZ,$+e\t")) EXPECT_FALSE(DialogNonCity::txtKeyPress(k)) << k;
}

}  // namespace
}  // namespace qv
