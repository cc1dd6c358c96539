// What the two date pickers share: a drop-down date picker and one button.
// The picker fills one date box of another window, writing every change into
// it at once, so closing the picker by its frame keeps what was chosen.
//
// A view binds:
//   DTPicker1            the picker's date (kMinDate to kMaxDate)
//   cmdOKCaption()       the button's caption
// and calls:
//   DTPicker1_Change(d)  the user chose another date in the picker
//   DTPicker1_Click()    a click on the picker
//   cmdOK_Click()        the button
//   Form_QueryUnload()   the window closed by its frame
// The window is modal: the desktop shows it while `visible` is set.
#pragma once

#include <string>
#include <string_view>

#include "common/date.h"
#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class DatePicker : public Form {
public:
    // The dates the picker offers.
    static constexpr Date kMinDate{2017, 12, 1};
    static constexpr Date kMaxDate{2019, 1, 31};
    // Where the picker starts when today lies outside its range.
    static constexpr Date kOutOfRangeStart{2018, 1, 1};

    static bool inRange(const Date& d);

    // The picker's date.
    Date DTPicker1 = kOutOfRangeStart;

    virtual std::string_view cmdOKCaption() const = 0;

    // The controls both pickers have: the picker (a click on it runs
    // DTPicker1_Click; its changes go through DTPicker1_Change) and the
    // button, captioned by each picker's kOKCaption.
    template <class Picker>
    static std::span<const Control> pickerControls() {
        static constexpr Control kTable[] = {
            control<&DatePicker::DTPicker1>("DTPicker1").onClick<&DatePicker::DTPicker1_Click>(),
            command<&DatePicker::cmdOK_Click>("cmdOK").caption(Picker::kOKCaption),
        };
        return kTable;
    }

    // A date chosen in the picker: becomes the picker's date and is written
    // into the box. A date outside the range is not offered and is ignored.
    void DTPicker1_Change(const Date& d);
    // A click on the picker writes its date into the box.
    void DTPicker1_Click();
    // The button writes the date once more and closes the picker.
    void cmdOK_Click();
    // Closing by the frame keeps what the changes already wrote.
    void Form_QueryUnload();

protected:
    using Form::Form;
    void resetControls() override;
    // The box the picker fills; null when the window that owns it has no
    // such box (the picker then does not open).
    virtual std::string* targetBox() = 0;
    // Starts the picker on the box's date and shows it. A box that holds no
    // date, or a date outside the range, is set to today's date; the picker
    // then starts on today when today lies in the range, else on January 1,
    // 2018.
    void openOnTarget();

private:
    void writeDate();
};

}  // namespace qv
