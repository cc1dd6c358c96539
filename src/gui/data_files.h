// Files shipped beside the program (pictures, help pages): looked up in the
// folder named by QUORVANE_DATA, then in share/quorvane beside an installed
// program, then in the source tree the program was built from.
#pragma once

#include <QString>

namespace qv::gui {

// The full path of a shipped file; empty when none of the folders has it.
QString dataFile(const QString& name);

}  // namespace qv::gui
