#pragma once

namespace qv {

struct StateTaxSettings {};

}  // namespace qv
