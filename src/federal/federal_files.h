// The federal tables file of the working folder, read into the process-wide records.
#pragma once

#include "federal/federal_tables.h"

namespace qv {

class App;

// True when "Federal18.dtt" in the working folder can be opened for reading.
// Otherwise shows the five-line failure message through app.ui() (every time)
// and returns false.
bool FederalFileExists(App& app);

// Reads "Federal18.dtt" into app.federal. Returns true when the whole file was
// read. When the file is missing, FederalFileExists has shown its message;
// when it is truncated or holds a field that is not a number, a message naming
// the file and the fault is shown. In both cases app.federal is left exactly as
// it was and false is returned.
//
// The pay sheet shows app.federal.FedTableVer in its `lbTaxVer` after a
// successful load (at start and at each calculation); this routine does not
// touch the window so that it can run without one.
bool LoadFederalTables(App& app);

}  // namespace qv
