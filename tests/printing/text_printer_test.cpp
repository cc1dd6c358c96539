#include <gtest/gtest.h>

#include "platform/headless/text_printer.h"

namespace qv::platform {
namespace {

TEST(TextPrinter, TabColumnsAndLineBreaks) {
    TextPrinter p;
    p.setFontName("Arial");
    p.setFontSize(11);
    p.printAt(5, "abc");     // columns 5-7
    p.printAt(8, "d");       // exactly at the position: stays on the line
    p.printAt(8, "e");       // past column 8: next line
    p.printAt(0, "x");       // below 1 counts as 1; past it: next line
    p.printAt(-7, "y");      // again past column 1
    p.print("z");
    p.endLine();
    p.endLine();             // an empty line is a blank line
    p.setFontSize(8);
    p.printAt(3, "tail");    // never ended: still printed by the end of the document
    p.endDocument();

    ASSERT_EQ(p.documents().size(), 1u);
    const auto& page = p.documents()[0].pages.at(0);
    const std::vector<std::string> expected = {"    abcd", "       e", "x", "yz", "", "  tail"};
    EXPECT_EQ(page.lines, expected);
    EXPECT_EQ(page.fonts[0], "Arial 11");
    EXPECT_EQ(page.fonts[4], "");
    EXPECT_EQ(page.fonts[5], "Arial 8");
    EXPECT_EQ(p.text(), "    abcd\n       e\nx\nyz\n\n  tail\n");
}

TEST(TextPrinter, DocumentsPagesAndLandscape) {
    TextPrinter p(2);
    p.setLandscape(true);
    for (const char* s : {"one", "two", "three"}) {
        p.print(s);
        p.endLine();
    }
    p.endDocument();
    p.setLandscape(false);
    p.printWindowImage("Form1");
    ASSERT_EQ(p.documents().size(), 2u);
    EXPECT_TRUE(p.documents()[0].landscape);
    EXPECT_EQ(p.documents()[0].pages.size(), 2u);
    EXPECT_FALSE(p.documents()[1].landscape);
    EXPECT_EQ(p.text(), "one\ntwo\n\fthree\n\f[image of the window Form1]\n");
}

}  // namespace
}  // namespace qv::platform
