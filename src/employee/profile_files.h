// The employee's profile files: `UserFile` + ".use", ".and", ".cfe", and the
// overtime rows ".ovw" (weekly) or ".ovb" (bi-weekly). Besides the profile
// they carry the overtime tracker's summary and rows, eight state settings
// (UseWisconApril, SpouseWorks, CalAllow, RoundState, UseUtah, UseWiscon,
// UseAlabama, UseNC), the check-printing offsets and reserved fields, which
// are written back exactly as they were read.
//
// Callers:
//   LoadProfile - opening an employee, preparing the state settings, the pay
//                 stub and check printing, the overtime tracker's Undo.
//   SaveOT      - the profile screen, the save-all, the state settings' SAVE,
//                 the check offsets, the overtime tracker's TOTAL and Back.
// Both work on the records in App. SaveOT first takes the rows of an open
// overtime tracker from its boxes; a window that edits another of these
// records (the check offsets) copies its boxes into the record before
// calling SaveOT. Both refresh the profile screen when it is loaded.
#pragma once

#include <string>
#include <string_view>

#include "leave/leave_balances.h"
#include "overtime/overtime_tracker.h"
#include "paysheet/model.h"
#include "state/state_settings.h"

namespace qv {

class App;

// True when `UserFile` + ext (".use", ".and", ".cfe") can be opened for
// reading. Never reports anything.
bool ProfileFileExists(const App& app, std::string_view ext);

// Reads the profile files of `UserFile` that exist: ".use", ".and", ".cfe",
// then ".ovw" when the (possibly just loaded) profile is weekly, else ".ovb".
// A missing file is skipped and the fields it carries keep their values.
// All files are read before anything is assigned: when one exists but cannot
// be read to its end, the corrupt-file message naming it is shown, every
// record stays as it was before the call and false is returned.
// Then sets the pay sheet's table notice and shows the profile on the
// profile screen when that is loaded.
bool LoadProfile(App& app);

// Writes the profile files of `UserFile`: ".use", ".and", ".cfe", then
// ".ovw" when weekly, else ".ovb". First mends the record the way a save
// always has: a profile with neither frequency becomes weekly, one with
// neither K plan kind takes the K plan as a percentage, an empty overtime
// amount of a row in use becomes "0". Each file is replaced at once, so a
// failed write leaves the old file whole; the failure shows a message naming
// the file, stops at that file and returns false.
bool SaveOT(App& app);

// Everything the profile files carry, as one value: what LoadProfile reads
// into before it assigns, and what the writers below take.
struct ProfileFileSet {
    EmployeeProfile profile;
    OvertimeTracker overtime;
    // Only the eight state settings named above are carried.
    StateTaxSettings state;
};

// The text of each file, and the readers of each file's text into a set.
// Readers throw RecordReadError naming the file at the first field that is
// missing or of the wrong type.
std::string useFileText(const ProfileFileSet& s);
std::string andFileText(const ProfileFileSet& s);
std::string cfeFileText(const ProfileFileSet& s);
void readUseFile(std::string_view content, const std::string& fileName, ProfileFileSet& s);
void readAndFile(std::string_view content, const std::string& fileName, ProfileFileSet& s);
void readCfeFile(std::string_view content, const std::string& fileName, ProfileFileSet& s);

// Replaces `UserFile` + ext with `content` at once. A failure shows a message
// naming the file and returns false; the old file stays whole.
bool writeEmployeeFile(App& app, std::string_view ext, const std::string& content);

}  // namespace qv
