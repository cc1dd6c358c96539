// The employee's city tax file (".cti"), read into and written from the
// process-wide records.
#pragma once

#include "local/city_tables.h"

namespace qv {

class App;

// The employee's city file: `UserFile` + ".cti" in the working folder.
bool CityFileExists(const App& app);

// When the city file exists: reads it into `app.city`, then writes every
// value into the city dialog's boxes (loading the dialog hidden if needed)
// and sets its "NO LOCAL TAX" box to `NoLocalTax` (which, when that changes
// the box, acts as a click). A missing file changes nothing. A file that
// cannot be read to its end shows "You have corupted a file." ... and stops:
// the record keeps the fields read before the failure, the boxes are left,
// and false is returned.
bool LoadCityTables(App& app);

// Replaces the city file atomically with `app.city`. On failure shows
// "Check your numbers" / "No blanks" / "Only numbers", keeps the old file and
// returns false.
bool SaveCityTables(App& app);

// What opening an employee does with the city tables: the employee's file
// into the record and the dialog, then the dialog's `CheckFor` and `fillVar`.
// An employee without a readable city file gets the defaults (the New York
// tables), never the tables left in the dialog by the previous employee.
// False when the file exists but could not be read.
bool OpenCityTables(App& app);

}  // namespace qv
