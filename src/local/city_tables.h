// The employee's city income tax tables: a bracket table for single and one
// for married employees, the withholding allowances for 0 to 9 exemptions,
// and the "NO LOCAL TAX" flag; their ".cti" file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// Every amount is for a bi-weekly pay period; weekly pay uses half of each
// minimum, amount and allowance (the rates stay). Rows 1 to 10 are indexes
// 0 to 9; an unused row holds the minimum 999999. Only rows 1 to 8 take part
// in the computation; rows 9 and 10 are kept and stored like the others.
struct CityTaxTables {
    static constexpr int kRows = 10;
    static constexpr int kAllowances = 10;  // entry n = n exemptions

    std::array<float, kRows> CityMinBS{};  // single: "Minimum Range"
    std::array<float, kRows> CityAmtBS{};  // single: "Amount to Withhold"
    std::array<float, kRows> CityPerBS{};  // single: rate as a fraction (0.0205 = 2.05 %)
    std::array<float, kRows> CityMinBM{};  // married: the same three columns
    std::array<float, kRows> CityAmtBM{};
    std::array<float, kRows> CityPerBM{};
    std::array<float, kAllowances> CitySgExp{};   // single allowance by exemptions
    std::array<float, kAllowances> CityMarExp{};  // married allowance by exemptions
    // The dialog's check box, remembered for the dialog only: no computation
    // reads it. An employee without city tax is one whose tables are cleared.
    std::int16_t NoLocalTax = 0;

    friend bool operator==(const CityTaxTables&, const CityTaxTables&) = default;
};

// The New York City tables: the "&New York" button, the defaults of empty
// boxes and the tables of a new employee.
CityTaxTables NewYorkCityTables();

// Tables that tax nothing: every minimum 999999, every amount, rate and
// allowance 0 (what "CLEAR ALL" and "NO LOCAL TAX" put into the boxes).
// `NoLocalTax` is left 0.
CityTaxTables ClearedCityTables();

// The ".cti" text: 21 CR LF lines; lines 1-10 hold row r's six numbers
// (single min, amount, rate, married min, amount, rate), line 11
// `NoLocalTax`, lines 12-21 the single and married allowance of n exemptions.
std::string cityTablesText(const CityTaxTables& t);

// Reads the ".cti" fields in file order straight into `t`. A file that ends
// early or holds a field that is no number throws RecordReadError; the fields
// read before it keep their new values (what a half-read city file has always
// left behind).
void readCityTables(std::string_view content, const std::string& fileName, CityTaxTables& t);

}  // namespace qv
