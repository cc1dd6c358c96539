// Exact number rules: single values, extended arithmetic, currency, and the
// two ways text becomes a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Every amount, rate and hour count is a single. Arithmetic between singles is
// written with long double operands and stored back through sgl(), so results
// never depend on what the compiler chooses for intermediate precision.
inline float sgl(long double v) { return static_cast<float>(v); }
inline long double ext(float v) { return static_cast<long double>(v); }

// The one way a number becomes a single: nothing when it is not finite or
// beyond what a single can hold (the conversion would be undefined).
std::optional<float> singleOf(long double v);

// Fixed point with four decimals, held as a count of 1/10000.
class Currency {
public:
    // The largest magnitude a currency value holds, in dollars.
    static constexpr long double kLargest = 922337203685477.5807L;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(std::int64_t units) { Currency c; c.units_ = units; return c; }
    // Half to even at the fourth decimal of the binary value; nothing when
    // the value is not finite or beyond kLargest.
    static std::optional<Currency> checkedFromDouble(long double v);
    // The same, for values known to be in range; one beyond it is held at
    // the nearest end of the range.
    static Currency fromDouble(long double v);
    static Currency fromSingle(float v) { return fromDouble(static_cast<long double>(v)); }
    // Sums and differences that leave the range are nothing, never a wrapped
    // value.
    static std::optional<Currency> checkedAdd(Currency a, Currency b);
    static std::optional<Currency> checkedSub(Currency a, Currency b);

    constexpr std::int64_t units() const { return units_; }
    long double toLongDouble() const { return static_cast<long double>(units_) / 10000.0L; }
    double toDouble() const { return static_cast<double>(toLongDouble()); }

    // Unchecked sums, for operands whose sum is known to be in range.
    friend constexpr Currency operator+(Currency a, Currency b) { return fromUnits(a.units_ + b.units_); }
    friend constexpr Currency operator-(Currency a, Currency b) { return fromUnits(a.units_ - b.units_); }
    constexpr Currency& operator+=(Currency b) { units_ += b.units_; return *this; }
    constexpr Currency& operator-=(Currency b) { units_ -= b.units_; return *this; }
    friend constexpr bool operator==(Currency a, Currency b) = default;
    friend constexpr auto operator<=>(Currency a, Currency b) = default;

private:
    std::int64_t units_ = 0;
};

// The value of a box: the number read from the start of the text, blanks
// ignored, up to the first character that cannot continue a number; 0 when
// there is none ("12abc" -> 12, "-" -> 0, "1.2.3" -> 1.2).
double valueOf(std::string_view text);

// Whole-text conversion: the text must be a number, optionally surrounded by
// blanks, with one leading "$" and thousands separators allowed
// ("$1,234.56" -> 1234.56). Anything else is a failure the caller reports.
std::optional<double> convertNumber(std::string_view text);

// convertNumber, then singleOf: the whole text as a single, or nothing.
std::optional<float> convertSingle(std::string_view text);

// True when the text is a well-formed number by convertNumber, or blank
// (a blank amount box counts as zero).
bool isNumberOrBlank(std::string_view text);

// Whole-dollar rounding with halves to the even dollar (12.5 -> 12, 13.5 -> 14).
long double roundWholeEven(long double v);

}  // namespace qv
