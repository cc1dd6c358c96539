// The employee's non-resident tax file (".nci"), read into and written from
// the process-wide records.
#pragma once

#include "local/non_city_table.h"

namespace qv {

class App;

// The employee's non-resident file: `UserFile` + ".nci" in the working folder.
bool NonCityFileExists(const App& app);

// When the file exists: reads it into `app.nonCity` and writes every value
// into the non-resident dialog's boxes (loading the dialog hidden if needed).
// A missing file changes nothing. A file that cannot be read to its end shows
// "You have corupted a file." ... naming it, changes neither the record nor
// the boxes, and returns false.
bool LoadNonCityTable(App& app);

// Replaces the file atomically with `app.nonCity`. On failure shows
// "Check your numbers" / "No blanks" / "Only numbers", keeps the old file and
// returns false.
bool SaveNonCityTable(App& app);

// What opening an employee does with the non-resident table: the employee's
// file into the record and the dialog; without a file, the default table
// (never the previous employee's). False when the file exists but could not
// be read.
bool OpenNonCityTable(App& app);

}  // namespace qv
