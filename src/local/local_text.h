// Texts shared by the local tax files and dialogs: their messages and the
// reading of a box as a single.
#pragma once

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "common/numbers.h"

namespace qv::local {

// A table file that cannot be read to its end.
inline std::string corruptFileMessage(const std::string& fileName) {
    return "You have corupted a file.\r\nFind file,\r\n" + fileName + "\r\nand delete it.";
}

// A table that cannot be saved: a box that is no number, or a file that
// cannot be written.
inline constexpr const char* kCheckNumbersMessage = "Check your numbers\r\nNo blanks\r\nOnly numbers";

// A box's whole text as a single; nothing when it is no number or too large
// for a single.
inline std::optional<float> boxSingle(std::string_view text) {
    return convertSingle(text);
}

}  // namespace qv::local
