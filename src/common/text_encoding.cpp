#include "common/text_encoding.h"

#include <cstdint>

namespace qv {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five it leaves undefined keep their
// code point, as Windows itself maps them.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The length of the valid UTF-8 sequence at the start of `s`, 0 when none:
// no overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t validSequence(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const auto cont = [&](std::size_t i) { return i < s.size() && (b(i) & 0xC0) == 0x80; };
    const std::uint8_t lead = b(0);
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return cont(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!cont(1) || !cont(2)) return 0;
        if (lead == 0xE0 && b(1) < 0xA0) return 0;
        if (lead == 0xED && b(1) >= 0xA0) return 0;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!cont(1) || !cont(2) || !cont(3)) return 0;
        if (lead == 0xF0 && b(1) < 0x90) return 0;
        if (lead == 0xF4 && b(1) >= 0x90) return 0;
        return 4;
    }
    return 0;
}

}  // namespace

std::string displayText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t n = validSequence(bytes.substr(i));
        if (n > 0) {
            out.append(bytes.substr(i, n));
            i += n;
            continue;
        }
        const auto byte = static_cast<std::uint8_t>(bytes[i++]);
        appendUtf8(out, byte < 0xA0 ? kHighControls[byte - 0x80] : static_cast<char32_t>(byte));
    }
    return out;
}

}  // namespace qv
