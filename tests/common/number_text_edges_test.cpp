// Number text at the edges of the reader and of the digit generation: signs,
// exponents, values beyond a double, and digits rounded at the last place.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "common/format.h"
#include "common/numbers.h"

namespace qv {
namespace {

TEST(NumberTextEdges, ReaderSignsExponentsAndRange) {
    EXPECT_EQ(convertNumber("+12.5"), 12.5);
    EXPECT_EQ(convertNumber("-.045"), -0.045);
    EXPECT_EQ(convertNumber("1.5E+3"), 1500.0);
    EXPECT_EQ(valueOf("2D2"), 200.0);
    EXPECT_EQ(valueOf(" 7.25abc"), 7.25);
    EXPECT_EQ(convertNumber("1e-400"), 0.0);
    // Beyond a double: no number for the conversion, 0 for the value of a box.
    EXPECT_FALSE(convertNumber("1e400").has_value());
    EXPECT_FALSE(convertNumber("-1e400").has_value());
    EXPECT_EQ(valueOf("1e400"), 0.0);
}

// A double so large that its 15 digits round past the largest double is
// written a last digit nearer zero: every finite double reads back.
TEST(NumberTextEdges, LargestDoublesReadBack) {
    const double max = std::numeric_limits<double>::max();
    for (double v : {max, -max, std::nextafter(max, 0.0), 1.797693134862315e308}) {
        const std::string text = fileNumber(v);
        const std::optional<double> back = convertNumber(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_NEAR(*back / v, 1.0, 1e-14) << text;
    }
    EXPECT_EQ(fileNumber(max), "1.79769313486231E+308");
    EXPECT_EQ(fileNumber(1e308), "1E+308");
}

TEST(NumberTextEdges, DigitsRoundAtTheLastPlace) {
    EXPECT_EQ(fileNumber(0.1f + 0.2f), ".3");
    EXPECT_EQ(fileNumber(1234567.5f), "1234568");
    EXPECT_EQ(fileNumber(3.4e12f), "3.4E+12");
    EXPECT_EQ(fileNumber(1.5e-7f), ".00000015");
    EXPECT_EQ(fileNumber(0.1), ".1");
    EXPECT_EQ(plainNumber(0.045f), "0.045");
    EXPECT_EQ(formatNumber(4.615f, kFmtAmount), "4.62");
    EXPECT_EQ(formatNumber(-5.0, kFmtDollar), "-$5.00");
}

}  // namespace
}  // namespace qv
