#include "cli/command.h"

namespace qv::cli {

int prepareEmployee(Session&) { return kOk; }

}  // namespace qv::cli
