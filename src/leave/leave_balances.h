#pragma once

namespace qv {

struct LeaveBalances {};

}  // namespace qv
