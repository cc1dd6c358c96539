#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <QFont>
#include <QFontInfo>

#include "gui/platform/qt_printer.h"
#include "printing/check_print.h"
#include "printing/pay_stub.h"
#include "printing/stub_fixture.h"
#include "support/app_fixture.h"
#include "support/pdf_reading.h"

namespace qv {
namespace {

using testing::pdfInfo;
using testing::pdfPages;
using testing::pdfText;

class QtPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        gui::ensureGuiApplication();
    }
    testing::TempFolder dir{"qv_qtprint_"};
};

TEST_F(QtPrinterTest, ArialResolvesToAMetricCompatibleFace) {
    QFontInfo info(QFont(QStringLiteral("Arial")));
    EXPECT_TRUE(info.family() == QStringLiteral("Arial") || info.family() == QStringLiteral("Liberation Sans"))
        << info.family().toStdString();
}

// The check as a person reads it back from the PDF: the employee, the amount
// in words and in figures, all on one Letter page.
TEST_F(QtPrinterTest, CheckPdfReadsBack) {
    const auto pdf = dir / "check.pdf";
    auto printer = gui::QtPrinter::toPdf(pdf);
    const StubData d = testing::weekOfDecember();
    printCheckLayout(*printer, testing::faceOf(), d, 0, 3);
    printer->endDocument();
    ASSERT_EQ(printer->error(), "");
    EXPECT_EQ(printer->pagesPrinted(), 1);

    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("John Smith"), std::string::npos) << text;
    EXPECT_NE(text.find("Five Hundred Two and 01/100"), std::string::npos) << text;
    EXPECT_NE(text.find("***502.01"), std::string::npos) << text;
    EXPECT_EQ(text.find('\f'), text.rfind('\f')) << "more than one page";
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_NE(pdfInfo(pdf).find("612 x 792"), std::string::npos);
}

TEST_F(QtPrinterTest, PayStubFitsOnePageWithColumnsInOrder) {
    const auto pdf = dir / "stub.pdf";
    auto printer = gui::QtPrinter::toPdf(pdf);
    printPayStubLayout(*printer, testing::weekOfDecember());
    printer->endDocument();
    ASSERT_EQ(printer->error(), "");
    EXPECT_EQ(printer->pagesPrinted(), 1);
    EXPECT_EQ(pdfPages(pdf), 1);
    const std::string text = pdfText(pdf);
    for (const char* s : {"JSMITH", "Regular1 Earning", "Federal Tax", "2995.20", "24096.48"})
        EXPECT_NE(text.find(s), std::string::npos) << s << "\n" << text;
    // Description, rate, hours and earnings stay in their column order on one line.
    const auto line = text.substr(text.find("Regular1 Earning"), 200);
    EXPECT_LT(line.find("15.50"), line.find("40.00"));
    EXPECT_LT(line.find("40.00"), line.find("620.00"));
}

TEST_F(QtPrinterTest, LandscapeAndAnUnwritableFile) {
    const auto pdf = dir / "wide.pdf";
    auto printer = gui::QtPrinter::toPdf(pdf);
    printer->setLandscape(true);
    printer->setFontSize(8);
    printer->printAt(197, "Gross");
    printer->endDocument();
    EXPECT_NE(pdfInfo(pdf).find("792 x 612"), std::string::npos);
    EXPECT_NE(pdfText(pdf).find("Gross"), std::string::npos);

    auto bad = gui::QtPrinter::toPdf(dir / "no such folder" / "x.pdf");
    bad->print("text");
    bad->endDocument();
    EXPECT_NE(bad->error(), "");
    EXPECT_EQ(bad->pagesPrinted(), 0);
}

TEST_F(QtPrinterTest, UnknownSystemPrinterIsReported) {
    auto printer = gui::QtPrinter::toSystemPrinter("no-such-printer-here");
    EXPECT_NE(printer->error().find("no-such-printer-here"), std::string::npos);
}

}  // namespace
}  // namespace qv
