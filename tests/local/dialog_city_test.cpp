#include <gtest/gtest.h>

#include "local/city_files.h"
#include "local/city_tables.h"
#include "local/dialog_city.h"
#include "local_fixture.h"

namespace qv {
namespace {

// An employee's own tables, unlike the New York ones in every row used.
CityTaxTables smithTables() {
    CityTaxTables t = ClearedCityTables();
    t.CityMinBS[0] = 0; t.CityAmtBS[0] = 0; t.CityPerBS[0] = 0.01f;
    t.CityMinBS[1] = 500; t.CityAmtBS[1] = 5; t.CityPerBS[1] = 0.02f;
    t.CityMinBM[0] = 0; t.CityAmtBM[0] = 0; t.CityPerBM[0] = 0.015f;
    for (int n = 0; n < 10; ++n) {
        t.CitySgExp[n] = static_cast<float>(50 * n);
        t.CityMarExp[n] = static_cast<float>(60 * n);
    }
    return t;
}

class DialogCityTest : public testing::LocalFixture {
protected:
    DialogCity& dlg() { return app.dialogCity(); }
    // The menu "C&ity Tax".
    DialogCity& openFromMenu() {
        dlg().show();
        return dlg();
    }
    void giveSmithAFile(CityTaxTables t = smithTables()) {
        app.UserFile = "Smith";
        writeFile("Smith.cti", cityTablesText(t));
    }
    void click(int value) {
        dlg().ckNoLocalTax = value;
        dlg().ckNoLocalTax_Click();
    }
    // The boxes read back as tables.
    CityTaxTables boxes() {
        CityTaxTables keep = app.city;
        EXPECT_TRUE(dlg().fillVar());
        CityTaxTables shown = app.city;
        app.city = keep;
        shown.NoLocalTax = 0;
        return shown;
    }
};

TEST_F(DialogCityTest, OpeningWithoutAFileShowsAndTakesTheDefaults) {
    app.UserFile = "Nobody";
    DialogCity& d = openFromMenu();
    EXPECT_TRUE(d.visible);
    EXPECT_EQ(d.txtCityMinBS[1], "308");
    EXPECT_EQ(d.txtCityAmtBM[1], "6.31");
    EXPECT_EQ(d.txtCityPerBS[0], "0.0205");
    EXPECT_EQ(d.txtCityMinBM[9], "999999");
    EXPECT_EQ(d.txtCitySgExp[0], "192.3");
    EXPECT_EQ(d.txtCityMarExp[9], "558");
    EXPECT_EQ(d.ckNoLocalTax, 0);
    EXPECT_EQ(app.city, NewYorkCityTables());
    d.CancelButton_Click();
    EXPECT_FALSE(d.loaded);
    EXPECT_EQ(app.city, NewYorkCityTables());
    EXPECT_FALSE(dir.has("Nobody.cti"));
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(DialogCityTest, OpeningReadsTheEmployeesFile) {
    giveSmithAFile();
    app.city = NewYorkCityTables();
    openFromMenu();
    EXPECT_EQ(app.city, smithTables());
    EXPECT_EQ(boxes(), smithTables());
}

TEST_F(DialogCityTest, SaveWritesTheBoxesAndCloses) {
    giveSmithAFile();
    DialogCity& d = openFromMenu();
    d.txtCityMinBS[2] = "750";
    d.txtCityPerBS[2] = ".03";
    d.OKButton_Click();
    EXPECT_FALSE(d.loaded);
    CityTaxTables expected = smithTables();
    expected.CityMinBS[2] = 750;
    expected.CityPerBS[2] = 0.03f;
    EXPECT_EQ(app.city, expected);
    EXPECT_EQ(dir.read("Smith.cti"), cityTablesText(expected));
}

TEST_F(DialogCityTest, ClearedBoxComesBackAsItsDefault) {
    giveSmithAFile();
    DialogCity& d = openFromMenu();
    d.txtCityAmtBS[1] = "";
    d.txtCityMarExp[3] = "";
    d.OKButton_Click();
    EXPECT_EQ(app.city.CityAmtBS[1], 6.31f);
    EXPECT_EQ(app.city.CityMarExp[3], 327.0f);
    EXPECT_EQ(app.city.CityMinBS[1], 500.0f);  // the others keep the employee's values
}

TEST_F(DialogCityTest, BoxThatIsNoNumberIsRefusedAtSave) {
    // The key filter lets these through; a single space is not blank.
    for (const char* text : {" ", "-", ".", "1.2.3", "1-2"}) {
        SCOPED_TRACE(text);
        giveSmithAFile();
        const std::string before = dir.read("Smith.cti");
        DialogCity& d = openFromMenu();
        d.txtCityMinBS[3] = "1000";
        d.txtCityPerBM[4] = text;
        ui.clearShown();
        d.OKButton_Click();
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0], "Check your numbers\r\nNo blanks\r\nOnly numbers");
        EXPECT_TRUE(d.loaded);  // still open so the box can be put right
        EXPECT_EQ(d.txtCityPerBM[4], text);
        EXPECT_EQ(app.city, smithTables());  // nothing half-copied
        EXPECT_EQ(dir.read("Smith.cti"), before);
        d.CancelButton_Click();
    }
}

TEST_F(DialogCityTest, UnwritableFileStillClosesTheDialog) {
    app.UserFile = "Smith";
    DialogCity& d = openFromMenu();
    app.setFolder(dir / "gone");
    d.OKButton_Click();
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"Check your numbers\r\nNo blanks\r\nOnly numbers"});
    EXPECT_FALSE(d.loaded);
}

TEST_F(DialogCityTest, NoLocalTaxCheckedThenCancelKeepsTheEmployeesTables) {
    giveSmithAFile();
    DialogCity& d = openFromMenu();
    click(1);
    EXPECT_EQ(boxes(), ClearedCityTables());
    EXPECT_EQ(app.city, smithTables());  // the record waits for SAVE
    d.CancelButton_Click();
    EXPECT_EQ(app.city.NoLocalTax, 0);
    EXPECT_EQ(app.city, smithTables());
    // The next save of the employee and the next opening keep the tables.
    ASSERT_TRUE(SaveCityTables(app));
    openFromMenu();
    EXPECT_EQ(app.city, smithTables());
    EXPECT_EQ(dlg().ckNoLocalTax, 0);
}

TEST_F(DialogCityTest, NoLocalTaxSavedClearsTheTables) {
    giveSmithAFile();
    DialogCity& d = openFromMenu();
    click(1);
    d.OKButton_Click();
    CityTaxTables expected = ClearedCityTables();
    expected.NoLocalTax = 1;
    EXPECT_EQ(app.city, expected);
    EXPECT_EQ(dir.read("Smith.cti"), cityTablesText(expected));
    openFromMenu();
    EXPECT_EQ(dlg().ckNoLocalTax, 1);
    EXPECT_EQ(boxes(), ClearedCityTables());
}

TEST_F(DialogCityTest, LoadingAFileFlaggedNoLocalTaxClearsTheBoxes) {
    CityTaxTables flagged = smithTables();
    flagged.NoLocalTax = 1;
    giveSmithAFile(flagged);
    openFromMenu();
    EXPECT_EQ(dlg().ckNoLocalTax, 1);
    EXPECT_EQ(boxes(), ClearedCityTables());
    CityTaxTables expected = ClearedCityTables();
    expected.NoLocalTax = 1;
    EXPECT_EQ(app.city, expected);
}

TEST_F(DialogCityTest, UncheckingRestoresTheTablesOfTheOpeningNotTheEdits) {
    giveSmithAFile();
    DialogCity& d = openFromMenu();
    d.txtCityMinBS[1] = "650";
    click(1);
    click(0);
    EXPECT_EQ(d.txtCityMinBS[1], "500");
    EXPECT_EQ(boxes(), smithTables());
    d.OKButton_Click();
    EXPECT_EQ(app.city.NoLocalTax, 0);
    EXPECT_EQ(app.city, smithTables());
}

TEST_F(DialogCityTest, NewYorkClearsTheCheckAndFillsOnlyTheBoxes) {
    giveSmithAFile();
    DialogCity& d = openFromMenu();
    click(1);
    d.txtCitySgExp[0] = "1";
    d.cmdDefault_Click();
    EXPECT_EQ(d.ckNoLocalTax, 0);
    EXPECT_EQ(boxes(), NewYorkCityTables());
    EXPECT_EQ(app.city, smithTables());
    d.OKButton_Click();
    EXPECT_EQ(app.city, NewYorkCityTables());
    EXPECT_EQ(dir.read("Smith.cti"), cityTablesText(NewYorkCityTables()));
}

TEST_F(DialogCityTest, ClearAllLeavesTheCheckAndTheRecord) {
    giveSmithAFile();
    DialogCity& d = openFromMenu();
    d.cmdClearMe_Click();
    EXPECT_EQ(d.ckNoLocalTax, 0);
    EXPECT_EQ(d.txtCityMinBM[0], "999999");
    EXPECT_EQ(d.txtCityPerBS[0], "0");
    EXPECT_EQ(d.txtCityMarExp[9], "0");
    EXPECT_EQ(boxes(), ClearedCityTables());
    EXPECT_EQ(app.city, smithTables());
}

TEST_F(DialogCityTest, ReopeningWhileLoadedOnlyShows) {
    giveSmithAFile();
    DialogCity& d = openFromMenu();
    d.txtCityMinBS[1] = "650";
    d.hide();
    writeFile("Smith.cti", cityTablesText(NewYorkCityTables()));
    openFromMenu();
    EXPECT_TRUE(d.visible);
    EXPECT_EQ(d.txtCityMinBS[1], "650");
    EXPECT_EQ(app.city, smithTables());
}

TEST_F(DialogCityTest, OpeningAnotherEmployeeWithoutAFileGetsTheDefaults) {
    giveSmithAFile();
    OpenCityTables(app);
    EXPECT_EQ(app.city, smithTables());
    EXPECT_EQ(boxes(), smithTables());
    app.UserFile = "Brown";
    OpenCityTables(app);
    EXPECT_EQ(app.city, NewYorkCityTables());
    EXPECT_EQ(boxes(), NewYorkCityTables());
}

TEST_F(DialogCityTest, OpeningAnEmployeeWithACorruptFile) {
    giveSmithAFile();
    OpenCityTables(app);
    app.UserFile = "Brown";
    writeFile("Brown.cti", "1,2,3\r\n");
    OpenCityTables(app);
    EXPECT_EQ(ui.messages(),
              std::vector<std::string>{"You have corupted a file.\r\nFind file,\r\nBrown.cti\r\nand delete it."});
    EXPECT_EQ(app.city, NewYorkCityTables());
}

TEST_F(DialogCityTest, KeyFilter) {
    for (char k : std::string("0123456789 -.\b")) EXPECT_TRUE(DialogCity::txtKeyPress(k)) << int(k);
    for (char k : std::string("aZ,$+e\t")) EXPECT_FALSE(DialogCity::txtKeyPress(k)) << k;
}

}  // namespace
}  // namespace qv
