// The one format engine: every amount the program shows, prints or stores as
// text goes through here.
#pragma once

#include <string>
#include <string_view>

#include "common/numbers.h"

namespace qv {

// The formats in use.
inline constexpr std::string_view kFmtAmount = "#,###.00";
inline constexpr std::string_view kFmtDollar = "$#,###.00";
inline constexpr std::string_view kFmtLedger = "#####.00";
inline constexpr std::string_view kFmtRate = "###.00";
inline constexpr std::string_view kFmtCheck = "000000.00";
inline constexpr std::string_view kFmtPercent = "##.##%";
inline constexpr std::string_view kFmtDollarOpt = "$#,###.#0";
inline constexpr std::string_view kFmtTwoPlaces = "##.##";

// The decimal that is rounded is the value's shortest text of at most 7
// significant digits for a single and 15 for a double, so 4.615f rounds as
// 4.615 (half away from zero) rather than as its binary neighbour.
std::string formatNumber(float v, std::string_view fmt);
std::string formatNumber(double v, std::string_view fmt);
std::string formatNumber(Currency v, std::string_view fmt);

// Round to cents: format with "#,###.00" and read the text back.
float roundCents(float v);
double roundCents(double v);

// Number text for files: at most 7 (single) or 15 (double) significant digits,
// no leading zero below one (".0205", "-.5"), no thousands separator.
std::string fileNumber(float v);
std::string fileNumber(double v);
std::string fileNumber(Currency v);

// Number text as a number turns into text when assigned to a text value
// (leading zero kept: "0.5", "4.62", "12").
std::string plainNumber(float v);
std::string plainNumber(double v);

}  // namespace qv
