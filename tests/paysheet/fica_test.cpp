#include <gtest/gtest.h>

#include "common/format.h"
#include "paysheet/fica.h"

namespace qv {
namespace {

Currency dollars(double v) { return Currency::fromDouble(v); }

TEST(SocialSecurity, WageBaseCases) {
    struct Case {
        double totGross;
        float gross, cafe, health;
        bool selfEmp;
        float expected;
    };
    const Case cases[] = {
        {10000, 1000, 0, 0, false, 62.00f},      // well below the base
        {116500, 1000, 0, 0, false, 31.00f},     // crosses it: only the 500 left
        {116000, 1000, 0, 0, false, 62.00f},     // reaches it exactly: all taxed
        {117000, 1000, 0, 0, false, 0.00f},      // at the base
        {150000, 1000, 0, 0, false, 0.00f},      // above it
        {0, 1000, 0, 100, true, 124.00f},        // self-employed: health insurance not subtracted
        {0, 1000, 0, 100, false, 55.80f},        // employee: it is
        {0, 1000, 200, 0, false, 49.60f},        // the cafeteria plan lowers the wages
        {116500, 1000, 0, 0, true, 62.00f},      // crossing, self-employed: 500 x 12.4 %
        {0, 100, 0, 300, false, 0.00f},          // health insurance above the pay: never negative
        {0, -40, 0, 0, false, 0.00f},            // a negative hours entry: never negative
    };
    for (const auto& c : cases) {
        SocSecResult r = socialSecurity(dollars(c.totGross), c.gross, c.cafe, c.health, c.selfEmp);
        EXPECT_EQ(roundCents(r.SocSec), c.expected) << c.totGross << " " << c.gross << " " << c.health;
        EXPECT_GE(r.SocSec, 0.0f);
    }
}

TEST(SocialSecurity, WorkingValues) {
    SocSecResult r = socialSecurity(dollars(116500), 1000, 100, 0, false);
    EXPECT_EQ(r.SsWages, 117400.0f);
    EXPECT_EQ(r.SsRoom, -400.0f);
}

TEST(Medicare, RateAndFloor) {
    EXPECT_EQ(roundCents(medicareTax(1000, 100, 0, true)), 26.10f);
    EXPECT_EQ(roundCents(medicareTax(1000, 0, 0, false)), 14.50f);
    EXPECT_EQ(roundCents(medicareTax(1000, 100, 100, false)), 11.60f);
    EXPECT_EQ(medicareTax(100, 300, 0, false), 0.0f);
}

TEST(Insurance, BaseAndFlat) {
    // Rate 1 %, base 10000.
    EXPECT_EQ(roundCents(insuranceAmount(true, 10000, 1, dollars(9500), 1000, 10500)), 5.00f);
    EXPECT_EQ(insuranceAmount(true, 10000, 1, dollars(10000), 1000, 11000), 0.0f);
    EXPECT_EQ(roundCents(insuranceAmount(true, 10000, 1, dollars(0), 1000, 1000)), 10.00f);
    // Without the base the amount is flat, whatever the wages.
    EXPECT_EQ(insuranceAmount(false, 12.5f, 3, dollars(0), 1000, 1000), 12.5f);
    EXPECT_EQ(insuranceAmount(false, 12.5f, 3, dollars(999999), 0, 999999), 12.5f);
    // Never below 0.
    EXPECT_EQ(insuranceAmount(false, -4, 0, dollars(0), 1000, 1000), 0.0f);
    EXPECT_EQ(insuranceAmount(true, 10000, 1, dollars(0), -500, -500), 0.0f);
}

}  // namespace
}  // namespace qv
