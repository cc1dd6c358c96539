#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <regex>

#include "common/file_io.h"
#include "ledger/frm_year.h"
#include "ledger/ledger_export.h"
#include "ledger/mdi_form1.h"
#include "platform/headless/scripted_ui.h"
#include "support/app_fixture.h"
#include "platform/xlsx_spreadsheet.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

// One part of the workbook's zip, as text.
std::string unzipPart(const fs::path& file, const std::string& part) {
    std::string cmd = "unzip -p '" + file.string() + "' " + part;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(cmd.c_str(), "r"), ::pclose);
    std::string out;
    if (!pipe) return out;
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe.get())) > 0) out.append(buf.data(), n);
    return out;
}

class XlsxExport : public testing::AppTest {
protected:
    XlsxExport() : AppTest(Date{2018, 3, 9}, "qv_xlsx_") {}
    void SetUp() override {
        app.spreadsheet = &sheet;
        app.UserFile = "Lee";
        app.profile.Weekly = true;
        app.profile.EmpSsn = "123-45-6789";
        app.profile.DedName5 = "CrUnion";
        app.profile.DedName6 = "Bond";
        app.profile.DedName7 = "Dues";
        app.profile.DedName8 = "Pension";
        app.profile.DedName9 = "Health Ins";
    }

    void postTwoPeriods() {
        openYearLedger(app);
        PaySheetSnapshot f;
        f.txtWeek = "1/5/2018";
        f.lbTaxDed = {"120.50", "62.00", "14.50", "40.00", "10.00", "5.00", ".00", ".00", ".00", ".00", ".00"};
        f.GrossPay = 1000;
        f.NetPay = 812.34f;
        f.lbSDI = "1,234.56";
        app.frmYear().PasteMe(0, f);
        f.txtWeek = "1/12/2018";
        app.frmYear().PasteMe(1, f);
    }
    platform::XlsxSpreadsheet sheet{ui};
};

TEST_F(XlsxExport, WorkbookHoldsTheCellsFontsAndFrozenHeader) {
    postTwoPeriods();
    exportLedger(app);
    fs::path file = dir / "Lee Year To Date.xlsx";
    ASSERT_TRUE(fs::exists(file));
    ASSERT_EQ(ui.openedDocuments().size(), 1u);
    EXPECT_EQ(ui.openedDocuments()[0], file);

    std::string strings = unzipPart(file, "xl/sharedStrings.xml");
    std::string sheetXml = unzipPart(file, "xl/worksheets/sheet1.xml");
    std::string styles = unzipPart(file, "xl/styles.xml");
    ASSERT_FALSE(sheetXml.empty()) << "unzip failed";
    for (const char* s : {"Date", "Soc Sec", "CrUnion", "Health Ins", "Gross", "TOTALS=", "SDI", "Cafe", "1/5/2018"})
        EXPECT_NE(strings.find(std::string(">") + s + "<"), std::string::npos) << s;
    // Amounts are numbers: row 2's gross pay, the year's gross in the totals row.
    EXPECT_TRUE(std::regex_search(sheetXml, std::regex(R"(<c r="P2" s="\d+"><v>1000</v></c>)"))) << sheetXml.substr(0, 3000);
    EXPECT_TRUE(std::regex_search(sheetXml, std::regex(R"(<c r="P55" s="\d+"><v>2000</v></c>)")));
    EXPECT_TRUE(std::regex_search(sheetXml, std::regex(R"(<c r="C57" s="\d+"><v>2469.12</v></c>)")));
    EXPECT_TRUE(std::regex_search(sheetXml, std::regex(R"(<c r="A1" s="\d+" t="s">)")));
    EXPECT_NE(sheetXml.find("<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>"),
              std::string::npos);
    EXPECT_NE(sheetXml.find("orientation=\"landscape\""), std::string::npos);
    EXPECT_NE(sheetXml.find("<pageSetUpPr fitToPage=\"1\"/>"), std::string::npos);
    EXPECT_NE(sheetXml.find("horizontalCentered=\"1\""), std::string::npos);
    EXPECT_NE(sheetXml.find("<pageMargins left=\"0\" right=\"0\" top=\"0\" bottom=\"0\" header=\"0.01\" footer=\"0.01\"/>"),
              std::string::npos);
    EXPECT_NE(sheetXml.find("<oddFooter>&amp;LLee    123-45-6789&amp;C"), std::string::npos);
    EXPECT_NE(sheetXml.find("<col "), std::string::npos);  // fitted widths
    // Bold red header, bold blue totals, two decimals for numbers.
    EXPECT_NE(styles.find("<b/><sz val=\"11\"/><color rgb=\"FFFF0000\"/>"), std::string::npos) << styles;
    EXPECT_NE(styles.find("<b/><sz val=\"11\"/><color rgb=\"FF0000FF\"/>"), std::string::npos);
    EXPECT_NE(styles.find("formatCode=\"0.00\""), std::string::npos);
}

TEST_F(XlsxExport, DefaultFilesExportToYearToDateAndASecondExportReplacesTheFirst) {
    app.UserFile.clear();
    openYearLedger(app);
    exportLedger(app);
    fs::path file = dir / "Year To Date.xlsx";
    ASSERT_TRUE(fs::exists(file));
    auto first = readWholeFile(file);
    postTwoPeriods();
    app.UserFile.clear();
    exportLedger(app);
    auto second = readWholeFile(file);
    EXPECT_NE(first, second);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(XlsxExport, AFailedSaveLeavesThePlaceAsItWasAndSaysNothing) {
    fs::create_directories(dir / "Lee Year To Date.xlsx" / "keep");
    openYearLedger(app);
    exportLedger(app);
    EXPECT_TRUE(fs::is_directory(dir / "Lee Year To Date.xlsx" / "keep"));
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_TRUE(ui.openedDocuments().empty());
}

}  // namespace
}  // namespace qv
