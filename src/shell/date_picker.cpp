#include "shell/date_picker.h"

#include <tuple>

#include "paysheet/app.h"

namespace qv {

namespace {
auto key(const Date& d) { return std::tie(d.year, d.month, d.day); }
}  // namespace

bool DatePicker::inRange(const Date& d) {
    return isValidDate(d) && key(kMinDate) <= key(d) && key(d) <= key(kMaxDate);
}

void DatePicker::openOnTarget() {
    std::string* box = targetBox();
    if (!box) return;
    ensureLoaded();
    const auto shown = parseShortDate(*box);
    if (shown && inRange(*shown)) {
        DTPicker1 = *shown;
    } else {
        const Date today = app().clock().today();
        *box = shortDate(today);
        DTPicker1 = inRange(today) ? today : kOutOfRangeStart;
    }
    show();
}

void DatePicker::writeDate() {
    if (std::string* box = targetBox()) *box = shortDate(DTPicker1);
}

void DatePicker::DTPicker1_Change(const Date& d) {
    if (!inRange(d)) return;
    DTPicker1 = d;
    writeDate();
}

void DatePicker::DTPicker1_Click() { writeDate(); }

void DatePicker::cmdOK_Click() {
    writeDate();
    unload();
}

void DatePicker::Form_QueryUnload() { unload(); }

// The designed picker starts where an out-of-range day would.
void DatePicker::resetControls() { DTPicker1 = kOutOfRangeStart; }

}  // namespace qv
