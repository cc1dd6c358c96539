// The employee's state income tax settings and the ".sta" file that keeps them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

class App;
struct EmployeeProfile;

// Every table amount is for a bi-weekly pay period; the methods halve them
// for weekly pay. Rows 0 to 9 are the dialog's rows 1 to 10; an unused row
// holds the minimum 999999. Flags hold 0 or 1, as the dialog's check boxes.
struct StateTaxSettings {
    // Single table: lower bound of the bracket, tax at the bound, rate on the excess.
    std::array<float, 10> StateMinBS{};
    std::array<float, 10> StateAmtBS{};
    std::array<float, 10> StatePerBS{};
    // Married table.
    std::array<float, 10> StateMinBM{};
    std::array<float, 10> StateAmtBM{};
    std::array<float, 10> StatePerBM{};
    // Withholding allowance for n exemptions (entry n). Some state methods
    // give these columns other meanings (credits, standard deductions, counts).
    std::array<float, 10> StateSgExp{};
    std::array<float, 10> StateMarExp{};

    // Remembered for the dialog only; no computation reads it.
    std::int16_t NoStateTax = 0;

    float SDIPercent = 0;      // percent: 1.2 means 1.2 %
    float SDIWageBase = 0;     // wage base when SDIUseBase is 1, else a flat amount per period
    std::int16_t SDIUseBase = 0;
    float SUIPercent = 0;
    float SUIWageBase = 0;
    std::int16_t SUIUseBase = 0;

    float StateAdj = 0;        // added to the state tax of every period
    float CalAllow = 0;        // "California Exempt Allowance"
    std::int16_t RoundState = 0;
    std::int16_t SpouseWorks = 0;

    // The chosen state method; none set means the generic table alone.
    std::int16_t UseAriz = 0;
    std::int16_t UseLouis = 0;
    std::int16_t UseIowa = 0;
    std::int16_t UseMissouri = 0;
    std::int16_t UseMass = 0;
    std::int16_t UseOregon = 0;
    std::int16_t UseKentucky = 0;
    std::int16_t UseUtah = 0;
    std::int16_t UseAlabama = 0;
    std::int16_t UseWiscon = 0;
    std::int16_t UseWisconApril = 0;
    std::int16_t UseNC = 0;

    friend bool operator==(const StateTaxSettings&, const StateTaxSettings&) = default;
};

// The minimum that marks an unused bracket row.
inline constexpr float kUnusedRowMinimum = 999999.0f;

// True when the named file in the working folder can be opened for reading.
bool StateFileExists(const App& app, std::string_view name);

// Loads `UserFile` + ".sta" into the record and the state dialog, then sets
// the dialog's method boxes and the employee screen from the record. A
// missing file is no error; an unreadable one shows the corrupt-file message
// and returns false.
bool LoadStateFile(App& app);
// The same with the default state file ".sta".
bool LoadStateDefault(App& app);
// Writes the record to `UserFile` + ".sta" (the default file when UserFile is
// empty). A failure shows "Check your numbers / No blanks / Only numbers" and
// leaves the old file intact; false is returned then.
bool SaveStateFile(App& app);

// The file text and its reader, apart from any file or window. The reader
// fills the fields in file order and throws RecordReadError at the first
// field that is missing or of the wrong type (an exemption count outside 0 to
// 9 included); fields read before it keep their new values.
std::string stateFileText(const StateTaxSettings& s, const EmployeeProfile& p);
void readStateFileText(std::string_view content, const std::string& fileName, StateTaxSettings& s,
                       EmployeeProfile& p);

}  // namespace qv
