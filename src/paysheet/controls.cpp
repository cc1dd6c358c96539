#include "paysheet/controls.h"

namespace qv {

void Control::copy(Form& from, Form& to) const {
    const int n = isArray() ? count : 1;
    for (int i = 0; i < n; ++i) {
        if (text) *text(to, i) = *text(from, i);
        if (check) *check(to, i) = *check(from, i);
        if (option) *option(to, i) = *option(from, i);
        if (date) *date(to, i) = *date(from, i);
        if (visible) *visible(to, i) = *visible(from, i);
        if (enabled) *enabled(to, i) = *enabled(from, i);
    }
}

}  // namespace qv
