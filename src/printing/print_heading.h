#pragma once

namespace qv {

struct PrintHeading {};

}  // namespace qv
