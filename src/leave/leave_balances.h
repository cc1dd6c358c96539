// The employee's leave log: vacation, holiday/personal and sick days, each a
// start balance and up to twenty dated entries of days taken, kept in the
// leave file `UserFile` + ".hol".
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

class App;
class RecordReader;

inline constexpr std::size_t kLeaveRows = 20;

struct LeaveBalances {
    // The remaining balance of each kind, as last shown.
    float VacBal = 0, HolBal = 0, SickBal = 0;
    float VacStart = 0, HolStart = 0, SickStart = 0;
    // Days taken, one entry per row.
    std::array<float, kLeaveRows> VacTaken{}, HolTaken{}, SickTaken{};
    // The free text of each row's date box.
    std::array<std::string, kLeaveRows> VacDate{}, HolDate{}, SickDate{};

    friend bool operator==(const LeaveBalances&, const LeaveBalances&) = default;
};

// True when `UserFile` + ".hol" can be opened for reading; never reports.
bool LeaveFileExists(const App& app);

// The leave file: line 1 the six balances, lines 2 to 21 the days taken of
// rows 0 to 19 (vacation, holiday, sick), lines 22 to 41 their date texts.
std::string leaveFileText(const LeaveBalances& lv);
// Reads a whole leave file; throws RecordReadError naming the file when a
// field is missing or of the wrong type.
LeaveBalances readLeaveFile(std::string_view content, const std::string& fileName);

// Reads `UserFile` + ".hol" into `app.leave`. A missing file changes nothing
// and is no error. A file that cannot be read to its end shows the
// corrupt-file message, leaves `app.leave` as it was and returns false.
bool loadLeaveFile(App& app);
// Writes `app.leave` to `UserFile` + ".hol", replacing the old file at once.
// A failure shows a message naming the file, keeps the old file and returns
// false.
bool saveLeaveFile(App& app);

}  // namespace qv
