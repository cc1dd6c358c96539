// Files shipped beside the program (pictures, help pages), in the folder of
// shipped files (see shell/shipped_files.h).
#pragma once

#include <QString>

namespace qv::gui {

// The full path of a shipped file; empty when none of the folders has it.
QString dataFile(const QString& name);

}  // namespace qv::gui
