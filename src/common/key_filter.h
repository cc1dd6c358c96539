// Numeric boxes accept only "0123456789 -." and backspace.
#pragma once

namespace qv {

inline constexpr char kBackspace = '\b';

// True when the key may reach a numeric box; other keys are discarded.
inline bool numericKeyAccepted(char key) {
    return (key >= '0' && key <= '9') || key == ' ' || key == '-' || key == '.' || key == kBackspace;
}

}  // namespace qv
