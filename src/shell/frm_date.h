// The week-ending picker: fills one row's date box of the overtime tracker
// (`Text1`), or of the leave window (its "Dates" boxes). The window that
// opens it first puts the row's index in `App::datePickerRow`. Opened
// modally. See date_picker.h for what a view binds.
#pragma once

#include "leave/dialog_vac.h"
#include "shell/date_picker.h"

namespace qv {

class FrmDate : public DatePicker {
public:
    explicit FrmDate(App& app) : DatePicker(app) {}

    static constexpr std::string_view kOKCaption = "&OK";
    std::string_view cmdOKCaption() const override { return kOKCaption; }
    static std::span<const Control> controls() { return pickerControls<FrmDate>(); }

    // A click in the tracker's week-ending box of row `App::datePickerRow`.
    void openForTracker();
    // A click in a leave date box of row `App::datePickerRow`.
    void openForLeave(DialogVac::Kind kind);

protected:
    std::string* targetBox() override;

private:
    enum class Owner { Tracker, Leave };
    Owner owner_ = Owner::Tracker;
    DialogVac::Kind kind_ = DialogVac::Kind::Vacation;
};

}  // namespace qv
