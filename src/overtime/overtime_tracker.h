#pragma once

namespace qv {

struct OvertimeTracker {};

}  // namespace qv
