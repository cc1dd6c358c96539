// A snapshot of the pay sheet as shown, kept in a ".prv" file named by the pay
// date and the employee, and shown again later without recalculating.
#pragma once

#include <filesystem>
#include <string>

namespace qv {

class App;

// The file name for the pay date text and employee: "/" in the date becomes
// "_". Empty, with `problem` set, when the date cannot be part of a file name.
std::string savedPeriodFileName(const std::string& payDate, const std::string& userFile, std::string* problem);

// "Save This Pay Period". False when nothing was written (a pay date or box
// that cannot be used, a failed write), after telling the user why.
bool SavePayPeriod(App& app);

// "Get Pay Period": asks for a ".prv" file and shows its numbers. False when
// cancelled or the file cannot be read; the sheet then keeps what it shows.
bool GetPayPeriod(App& app);
// The same with the file already chosen.
bool restorePayPeriod(App& app, const std::filesystem::path& file);

}  // namespace qv
