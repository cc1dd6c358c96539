// The non-resident city tax table: an exemption by wage range for weekly and
// for bi-weekly pay, and one flat rate; its ".nci" file.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qv {

// Rows 1 to 8 are indexes 0 to 7, in ascending order of minimum; an unused
// row holds the minimum 999999.
struct NonCityTable {
    static constexpr int kRows = 8;

    std::array<float, kRows> NonMinBi{};  // bi-weekly "Minimum Range"
    std::array<float, kRows> NonExpBi{};  // bi-weekly "Subtract"
    std::array<float, kRows> NonMinWk{};  // weekly "Minimum Range"
    std::array<float, kRows> NonExpWk{};  // weekly "Subtract"
    float NonPer = 0;                     // rate as a fraction (0.0045 = 0.45 %)

    friend bool operator==(const NonCityTable&, const NonCityTable&) = default;
};

// The default table: the "&DEFAULT" button and the defaults of empty boxes.
NonCityTable DefaultNonCityTable();

// The ".nci" text: 9 CR LF lines; lines 1-8 hold row r's bi-weekly minimum,
// bi-weekly subtract, weekly minimum, weekly subtract; line 9 `NonPer`.
std::string nonCityTableText(const NonCityTable& t);

// Parses a whole ".nci" text; throws RecordReadError naming the file when it
// ends early or holds a field that is no number.
NonCityTable parseNonCityTable(std::string_view content, const std::string& fileName);

}  // namespace qv
