// The employee's state settings files (".sta" and the default), read into and
// written from the process-wide records.
#pragma once

#include <string>
#include <string_view>

#include "state/state_settings.h"

namespace qv {

class App;

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

}  // namespace qv
