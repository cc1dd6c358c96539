// The overtime allowance tracker's record: the overtime pay of past pay
// periods against an allowance set by the annual salary and an approved
// percentage. It rides in the employee's profile files: the summary values in
// the first two lines of ".use", the rows in ".ovw" (weekly) or ".ovb"
// (bi-weekly). LoadProfile and SaveOT (employee/profile_files.h) read and
// write them together with the profile.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class App;
class RecordReader;
using LineLayout = std::vector<int>;

// A weekly employee uses rows 0 to 52, a bi-weekly one rows 0 to 26.
inline constexpr std::size_t kOtRows = 53;
inline constexpr std::size_t kOtRowsWeekly = 53;
inline constexpr std::size_t kOtRowsBiWeekly = 27;

inline constexpr std::size_t otRowsInUse(bool weekly) { return weekly ? kOtRowsWeekly : kOtRowsBiWeekly; }

struct OvertimeTracker {
    float AnnualSalary = 0;  // txtAnnual
    float ApPercent = 0;     // txtApPercent, in percent
    float OtEarned = 0;      // total of the rows' amounts
    float OtPercent = 0;     // OtEarned as a fraction of AnnualSalary
    float OtMax = 0;         // ApPercent percent of AnnualSalary
    float OtAvail = 0;       // OtMax - OtEarned
    // Rows 0 to 52 (0 to 26 for a bi-weekly employee): the week-ending date as
    // typed and the overtime amount as the text of its box.
    std::array<std::string, kOtRows> OtWeekEnd{};
    std::array<std::string, kOtRows> OtAmount{};

    friend bool operator==(const OvertimeTracker&, const OvertimeTracker&) = default;
};

// True when `UserFile` + ext (".ovw" or ".ovb") can be opened for reading.
// Never reports anything.
bool OvertimeFileExists(const App& app, std::string_view ext);

// The overtime file's extension for the pay frequency.
inline std::string_view overtimeExt(bool weekly) { return weekly ? ".ovw" : ".ovb"; }

// The rows file: for each row in use two lines, the week-ending date as quoted
// text and the amount as a number (the value read from the start of the row's
// amount text, 0 when none). 106 lines weekly, 54 bi-weekly.
std::string overtimeRowsText(const OvertimeTracker& ot, bool weekly);

// The lines of the rows file: one field each.
LineLayout overtimeRowsLayout(bool weekly);

// Reads the rows in use from a rows file into `ot`, both fields of a row as
// text. Throws RecordReadError naming the file when a field is missing.
void readOvertimeRows(RecordReader& in, OvertimeTracker& ot, bool weekly);

}  // namespace qv
