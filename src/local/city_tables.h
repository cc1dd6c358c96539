#pragma once

namespace qv {

struct CityTaxTables {};

}  // namespace qv
