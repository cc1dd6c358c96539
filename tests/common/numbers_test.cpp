#include <gtest/gtest.h>

#include <limits>

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
        // every format, its point, its padding and its sign
        {999.995, true, "#,###.00", "1,000.00"},
        {1234567, true, "#,###.00", "1,234,567.00"},
        {-1234.5, true, "#,###.00", "-1,234.50"},
        {-0.001, true, "#,###.00", ".00"},  // a negative that rounds to zero shows no sign
        {-0.5, true, "$#,###.00", "-$.50"},
        {123456.5, true, "#####.00", "123456.50"},
        {0, true, "#####.00", ".00"},
        {0.005, true, "###.00", ".01"},
        {1234.5, true, "###.00", "1234.50"},
        {0, true, "000000.00", "000000.00"},
        {-5, true, "000000.00", "-000005.00"},
        {1234567.875, false, "000000.00", "1234567.88"},
        {0, true, "##.##%", ".%"},
        {0.0725, true, "##.##%", "7.25%"},
        {1, true, "##.##%", "100.%"},
        {0.123456, true, "##.##%", "12.35%"},
        {0, true, "$#,###.#0", "$.00"},
        {350.5, true, "$#,###.#0", "$350.50"},
        {1234567, true, "$#,###.#0", "$1,234,567.00"},
        {-0.5, true, "$#,###.#0", "-$.50"},
        {0, true, "##.##", "."},
        {7, true, "##.##", "7."},
        {7.5, true, "##.##", "7.5"},
        {0.125, true, "##.##", ".13"},
        // the decimal rounded is the single's 7-digit text, not its binary neighbour
        {2.675, true, "#,###.00", "2.68"},
        {1.005, true, "#,###.00", "1.01"},
        {0.015, true, "#,###.00", ".02"},
        {2.675, false, "#,###.00", "2.68"},
        {0.1 + 0.2, false, "#,###.00", ".30"},
    };
    for (const auto& c : cases) {
        std::string got = c.single ? formatNumber(static_cast<float>(c.value), c.fmt) : formatNumber(c.value, c.fmt);
        EXPECT_EQ(got, c.expected) << c.value << " as " << c.fmt;
    }
}

TEST(Format, CurrencyAndNonFiniteValues) {
    EXPECT_EQ(formatNumber(Currency::fromDouble(1234.5678L), "$#,###.00"), "$1,234.57");
    EXPECT_EQ(formatNumber(Currency::fromDouble(-0.005L), "#,###.00"), "-.01");
    EXPECT_EQ(formatNumber(Currency::fromDouble(0.125L), "##.##%"), "12.5%");
    EXPECT_EQ(formatNumber(Currency{}, "$#,###.00"), "$.00");
    // Never a crash or a garbled text on a value no amount can hold.
    EXPECT_EQ(formatNumber(std::numeric_limits<float>::infinity(), "#,###.00"), ".00");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), "$#,###.00"), "$.00");
}

TEST(Rounding, CentsAndWholeDollars) {
    EXPECT_FLOAT_EQ(roundCents(4.615f), 4.62f);
    EXPECT_FLOAT_EQ(roundCents(-4.615f), -4.62f);
    EXPECT_EQ(roundWholeEven(12.5L), 12.0L);
    EXPECT_EQ(roundWholeEven(13.5L), 14.0L);
    EXPECT_EQ(roundWholeEven(13.49L), 13.0L);
    EXPECT_EQ(roundWholeEven(-12.5L), -12.0L);
    EXPECT_EQ(roundWholeEven(0.5L), 0.0L);
    EXPECT_EQ(roundWholeEven(2.5L), 2.0L);
    EXPECT_EQ(roundWholeEven(12.51L), 13.0L);
    const struct {
        float value;
        float cents;
    } cents[] = {
        {2.675f, 2.68f}, {-2.675f, -2.68f}, {1.005f, 1.01f}, {0.015f, 0.02f},
        {0.0049f, 0.0f}, {1234.565f, 1234.57f}, {64.668f, 64.67f}, {0.0f, 0.0f},
    };
    for (const auto& c : cents) EXPECT_EQ(roundCents(c.value), c.cents) << c.value;
    EXPECT_DOUBLE_EQ(roundCents(2.675), 2.68);
    EXPECT_DOUBLE_EQ(roundCents(-0.005), -0.01);
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
    EXPECT_EQ(fileNumber(1234567.0f), "1234567");
    EXPECT_EQ(fileNumber(-1234.5f), "-1234.5");
    EXPECT_EQ(fileNumber(0.1f), ".1");
    EXPECT_EQ(fileNumber(1.0 / 3.0), ".333333333333333");
    EXPECT_EQ(fileNumber(Currency::fromDouble(-1234.5678L)), "-1234.5678");
    EXPECT_EQ(fileNumber(Currency::fromDouble(0.5L)), ".5");
    // Too large for seven plain digits: the exponent form, which readers take.
    EXPECT_EQ(fileNumber(123456789.0f), "1.234568E+08");
    EXPECT_EQ(convertNumber(fileNumber(1e20f)), 1e20);
}

}  // namespace
}  // namespace qv
