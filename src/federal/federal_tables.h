#pragma once

namespace qv {

struct FederalTables {};

}  // namespace qv
