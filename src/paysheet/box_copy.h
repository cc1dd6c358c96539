// The one shape of the procedures that copy a window's boxes into its record
// (fillVari, fillVar, fillVarib, fillVar_):
//
//   bool DialogCity::fillVar() {
//       return copyBoxesInto(app().city, [&](CityTaxTables& t, BoxReader& read) {
//           read(txtCityMinBS[0], t.CityMinBS[0], local::boxSingle);   // a box that must convert
//           t.NoLocalTax = ckNoLocalTax;                                 // a plain copy
//       });
//   }
//
// Every box is read, in the window's order, into a draft of the record. The
// first box that does not convert stops the reading, and then nothing of the
// draft reaches the record: a refused SAVE leaves no half-edited record for
// the next save to write.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace qv {

class BoxReader {
public:
    // Reads `box` into `field` with `convert` (text -> std::optional of a
    // number). `what` names the box for the caller's message.
    template <class T, class Convert>
    BoxReader& operator()(const std::string& box, T& field, Convert convert, std::string_view what = {}) {
        if (refused_) return *this;
        if (auto v = convert(box))
            field = static_cast<T>(*v);
        else
            refuse(what);
        return *this;
    }
    // Checks that `box` converts without storing it.
    template <class Convert>
    BoxReader& check(const std::string& box, Convert convert, std::string_view what = {}) {
        if (!refused_ && !convert(box)) refuse(what);
        return *this;
    }

    bool refused() const { return refused_; }
    std::string_view refusedBox() const { return refusedBox_; }

private:
    void refuse(std::string_view what) {
        refused_ = true;
        refusedBox_ = what;
    }
    bool refused_ = false;
    std::string_view refusedBox_;
};

// The result of a copy: true when every box converted.
struct BoxCopy {
    bool copied = false;
    std::string_view refusedBox;
    explicit operator bool() const { return copied; }
};

// Runs `fill(draft, read)` on a copy of `record` and stores the draft when
// every box converted.
template <class Record, class Fill>
BoxCopy copyBoxesInto(Record& record, Fill fill) {
    Record draft = record;
    BoxReader read;
    fill(draft, read);
    if (!read.refused()) record = std::move(draft);
    return BoxCopy{!read.refused(), read.refusedBox()};
}

}  // namespace qv
