// The local tax dialogs' reading of a box as a single.
#pragma once

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "common/numbers.h"

namespace qv::local {

// A box's whole text as a single; nothing when it is no number or too large
// for a single.
inline std::optional<float> boxSingle(std::string_view text) {
    return convertSingle(text);
}

}  // namespace qv::local
