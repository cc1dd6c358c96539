// The one shape of the procedures that copy a window's boxes into its record
// (fillVari, fillVar, fillVarib, fillVar_):
//
//   bool DialogCity::fillVar() {
//       return copyBoxesInto(app().city, OnRefusedBox::KeepRecord, [&](CityTaxTables& t, BoxReader& read) {
//           read(txtCityMinBS[0], t.CityMinBS[0], local::boxSingle);   // a box that must convert
//           t.NoLocalTax = ckNoLocalTax;                                 // a plain copy
//       });
//   }
//
// Every box is read, in the window's order, into a draft of the record. The
// first box that does not convert stops the reading; what the record then
// keeps is the window's rule, named at the call: nothing of the draft, or
// the fields read before the refused box.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace qv {

enum class OnRefusedBox {
    KeepRecord,        // the record is left exactly as it was
    KeepFieldsBefore,  // the fields read before the refused box keep their new values
};

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

// Runs `fill(draft, read)` on a copy of `record` and stores the draft as
// `onRefused` says.
template <class Record, class Fill>
BoxCopy copyBoxesInto(Record& record, OnRefusedBox onRefused, Fill fill) {
    Record draft = record;
    BoxReader read;
    fill(draft, read);
    if (!read.refused() || onRefused == OnRefusedBox::KeepFieldsBefore) record = std::move(draft);
    return BoxCopy{!read.refused(), read.refusedBox()};
}

}  // namespace qv
