#include <gtest/gtest.h>

#include "common/format.h"
#include "common/numbers.h"

namespace qv {
namespace {

struct FormatCase {
    double value;
    bool single;
    const char* fmt;
    const char* expected;
};

TEST(Format, Table) {
    const FormatCase cases[] = {
        {0, true, "#,###.00", ".00"},
        {0, true, "$#,###.00", "$.00"},
        {1234.5, true, "#,###.00", "1,234.50"},
        {1234.5, true, "$#,###.00", "$1,234.50"},
        {0.999, true, "000000.00", "000001.00"},
        {-5, true, "$#,###.00", "-$5.00"},
        {0.007, true, "##.##%", ".7%"},
        {0.5, true, "#,###.00", ".50"},
        {4.615, true, "#,###.00", "4.62"},
        {-4.615, true, "#,###.00", "-4.62"},
        {1234567.25, false, "#,###.00", "1,234,567.25"},
        {12.5, true, "#####.00", "12.50"},
        {7.5, true, "###.00", "7.50"},
        {350, true, "$#,###.#0", "$350.00"},
        {0.07, true, "##.##", ".07"},
        {0.0049, true, "#,###.00", ".00"},
        {999.995, false, "#,###.00", "1,000.00"},
    };
    for (const auto& c : cases) {
        std::string got = c.single ? formatNumber(static_cast<float>(c.value), c.fmt) : formatNumber(c.value, c.fmt);
        EXPECT_EQ(got, c.expected) << c.value << " as " << c.fmt;
    }
}

TEST(Rounding, CentsAndWholeDollars) {
    EXPECT_FLOAT_EQ(roundCents(4.615f), 4.62f);
    EXPECT_FLOAT_EQ(roundCents(-4.615f), -4.62f);
    EXPECT_EQ(roundWholeEven(12.5L), 12.0L);
    EXPECT_EQ(roundWholeEven(13.5L), 14.0L);
    EXPECT_EQ(roundWholeEven(13.49L), 13.0L);
}

TEST(Readers, ValueOfAndConversion) {
    EXPECT_EQ(valueOf("12abc"), 12);
    EXPECT_EQ(valueOf("-"), 0);
    EXPECT_EQ(valueOf(" 1 2 "), 12);
    EXPECT_DOUBLE_EQ(valueOf("1.2.3"), 1.2);
    EXPECT_EQ(valueOf(""), 0);
    EXPECT_DOUBLE_EQ(*convertNumber("$1,234.56"), 1234.56);
    EXPECT_DOUBLE_EQ(*convertNumber(" .5 "), 0.5);
    EXPECT_DOUBLE_EQ(*convertNumber("-$5.00"), -5.0);
    EXPECT_FALSE(convertNumber("1.2.3"));
    EXPECT_FALSE(convertNumber("1-2"));
    EXPECT_FALSE(convertNumber(""));
    EXPECT_FALSE(convertNumber("abc"));
}

TEST(Currency, HalfToEvenAtFourthDecimal) {
    EXPECT_EQ(Currency::fromDouble(1.00005L).units(), 10000);
    EXPECT_EQ(Currency::fromDouble(1.00015L).units(), 10002);
    EXPECT_EQ((Currency::fromDouble(0.1L) + Currency::fromDouble(0.2L)).units(), 3000);
}

TEST(FileNumbers, SevenDigitsNoLeadingZero) {
    EXPECT_EQ(fileNumber(0.0205f), ".0205");
    EXPECT_EQ(fileNumber(-0.5f), "-.5");
    EXPECT_EQ(fileNumber(999999.0f), "999999");
    EXPECT_EQ(fileNumber(0.0f), "0");
    EXPECT_EQ(fileNumber(79.8f), "79.8");
    EXPECT_EQ(fileNumber(1.0f / 3.0f), ".3333333");
}

}  // namespace
}  // namespace qv
