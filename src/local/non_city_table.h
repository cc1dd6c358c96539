#pragma once

namespace qv {

struct NonCityTable {};

}  // namespace qv
