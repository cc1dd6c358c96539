#pragma once

namespace qv {

struct YearLedger {};

}  // namespace qv
