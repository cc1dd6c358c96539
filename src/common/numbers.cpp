#include "common/numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace qv {

std::optional<float> singleOf(long double v) {
    // A value between the largest single and the next power of two rounds
    // to the largest single; only beyond that is the conversion undefined.
    if (!std::isfinite(v) || std::fabs(v) > static_cast<long double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(v);
}

std::optional<Currency> Currency::checkedFromDouble(long double v) {
    if (!std::isfinite(v)) return std::nullopt;
    // rintl rounds half to even in the default rounding mode, as nearbyintl
    // does, without saving and restoring the floating-point environment.
    const long double units = std::rintl(v * 10000.0L);
    // 2^63 is exactly representable; anything from it on is out of range.
    constexpr long double kLimit = 9223372036854775808.0L;
    if (units >= kLimit || units < -kLimit) return std::nullopt;
    return fromUnits(static_cast<std::int64_t>(units));
}

Currency Currency::fromDouble(long double v) {
    if (auto c = checkedFromDouble(v)) return *c;
    if (std::isnan(v)) return fromUnits(0);
    return fromUnits(v > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min());
}

std::optional<Currency> Currency::checkedAdd(Currency a, Currency b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.units_, b.units_, &sum)) return std::nullopt;
    return fromUnits(sum);
}

std::optional<Currency> Currency::checkedSub(Currency a, Currency b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a.units_, b.units_, &difference)) return std::nullopt;
    return fromUnits(difference);
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Parses a plain decimal (sign, digits, point, digits, optional exponent) from
// already-cleaned text; returns the number of characters consumed (0: none).
std::size_t parseDecimal(const std::string& s, double& out) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { ++i; ++digits; }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { ++i; ++digits; }
    }
    if (digits == 0) return 0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) { ++j; ++expDigits; }
        if (expDigits > 0) end = j;
    }
    std::string text = s.substr(s[0] == '+' ? 1 : 0, s[0] == '+' ? end - 1 : end);
    for (char& c : text)
        if (c == 'd' || c == 'D') c = 'e';
    // from_chars reads the decimal point whatever the C locale says; a value
    // beyond a double's range reads as infinity, as strtod gives it.
    auto res = std::from_chars(text.data(), text.data() + text.size(), out);
    if (res.ec == std::errc::result_out_of_range) {
        const bool negative = !text.empty() && text[0] == '-';
        std::size_t e = text.find_first_of("eE");
        const bool tiny = e != std::string::npos && text.find('-', e) != std::string::npos;
        out = tiny ? (negative ? -0.0 : 0.0)
                   : (negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity());
    }
    return end;
}

}  // namespace

double valueOf(std::string_view text) {
    std::string cleaned;
    cleaned.reserve(text.size());
    for (char c : text)
        if (!isBlank(c) && c != '\n' && c != '\r') cleaned.push_back(c);
    double v = 0;
    if (parseDecimal(cleaned, v) == 0) return 0;
    if (!std::isfinite(v)) return 0;
    return v;
}

std::optional<double> convertNumber(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    std::string_view t = text.substr(b, e - b);
    if (t.empty()) return std::nullopt;

    std::string s;
    bool negative = false;
    std::size_t i = 0;
    auto takeSign = [&] {
        if (i < t.size() && (t[i] == '-' || t[i] == '+')) { negative = t[i] == '-'; ++i; return true; }
        return false;
    };
    bool signed1 = takeSign();
    if (i < t.size() && t[i] == '$') ++i;
    if (!signed1) takeSign();
    bool seenPoint = false, seenExp = false, seenDigit = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (std::isdigit(static_cast<unsigned char>(c))) { s.push_back(c); seenDigit = true; continue; }
        if (c == ',' && !seenPoint && !seenExp && seenDigit) continue;
        if (c == '.' && !seenPoint && !seenExp) { seenPoint = true; s.push_back(c); continue; }
        if ((c == 'e' || c == 'E') && seenDigit && !seenExp) {
            seenExp = true;
            s.push_back('e');
            if (i + 1 < t.size() && (t[i + 1] == '+' || t[i + 1] == '-')) s.push_back(t[++i]);
            continue;
        }
        return std::nullopt;
    }
    if (!seenDigit) return std::nullopt;
    double v = 0;
    if (parseDecimal(s, v) != s.size()) return std::nullopt;
    if (!std::isfinite(v)) return std::nullopt;
    return negative ? -v : v;
}

std::optional<float> convertSingle(std::string_view text) {
    std::optional<double> v = convertNumber(text);
    if (!v) return std::nullopt;
    return singleOf(*v);
}

bool isNumberOrBlank(std::string_view text) {
    for (char c : text)
        if (!isBlank(c)) return convertNumber(text).has_value();
    return true;
}

long double roundWholeEven(long double v) { return std::rintl(v); }

}  // namespace qv
