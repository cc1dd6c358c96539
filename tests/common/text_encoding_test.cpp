#include <gtest/gtest.h>

#include "common/text_encoding.h"

namespace qv {
namespace {

TEST(DisplayText, Utf8StaysAndOtherBytesAreWindows1252) {
    struct Case {
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"Smith", "Smith"},
        {"Ren\xC3\xA9", "Ren\xC3\xA9"},                     // UTF-8 already
        {"Ren\xE9", "Ren\xC3\xA9"},                         // é from an older system
        {"\x80 5", "\xE2\x82\xAC 5"},                       // euro sign
        {"\x93quoted\x94", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
        {"\x81", "\xC2\x81"},                               // undefined in 1252: kept as its code point
        {"M\xFCller \xC3\xA9", "M\xC3\xBCller \xC3\xA9"},   // both in one text
        {"\xC3", "\xC3\x83"},                               // a sequence cut short
        {"\xE0\x80\x80", "\xC3\xA0\xE2\x82\xAC\xE2\x82\xAC"},  // overlong form
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},   // surrogate
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Case& c : cases) EXPECT_EQ(displayText(c.bytes), c.shown) << c.bytes;
}

TEST(DisplayText, EveryByteStringBecomesValidUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string shown = displayText(all);
    // Shown again, valid UTF-8 is unchanged.
    EXPECT_EQ(displayText(shown), shown);
}

}  // namespace
}  // namespace qv
