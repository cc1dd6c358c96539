#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "common/format.h"

namespace qv {
namespace {

// The file text of a value from printf's correctly rounded digits, the way
// the format engine has always been specified.
std::string printfFileText(long double v, int significant) {
    if (v == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", significant - 1, std::fabs(v));
    std::string text(buf);
    std::size_t e = text.find('e');
    int exp = std::stoi(text.substr(e + 1));
    std::string digits;
    for (std::size_t k = 0; k < e; ++k)
        if (text[k] != '.') digits.push_back(text[k]);
    digits.erase(digits.find_last_not_of('0') + 1);
    // value = 0.digits * 10^(exp + 1)
    int point = exp + 1;
    std::string out;
    if (point <= 0) out = "." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    else if (point >= static_cast<int>(digits.size())) out = digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
    else out = digits.substr(0, static_cast<std::size_t>(point)) + "." + digits.substr(static_cast<std::size_t>(point));
    return (v < 0 ? "-" : "") + out;
}

TEST(FormatDigits, SameDigitsAsPrintfForSinglesAndDoubles) {
    std::mt19937 rng(12345);
    std::uniform_real_distribution<double> mag(-4, 6.5);
    for (int i = 0; i < 20000; ++i) {
        double d = std::pow(10.0, mag(rng)) * ((i & 1) ? -1 : 1);
        float f = static_cast<float>(d);
        ASSERT_EQ(fileNumber(f), printfFileText(f, 7)) << f;
        ASSERT_EQ(fileNumber(d), printfFileText(d, 15)) << d;
    }
    // Values that sit on a decimal half at 7 digits.
    for (float f : {0.125f, 1.0000005f, 4.615f, 0.10f, 5.3f, 1234.5f})
        EXPECT_EQ(fileNumber(f), printfFileText(f, 7)) << f;
}

}  // namespace
}  // namespace qv
