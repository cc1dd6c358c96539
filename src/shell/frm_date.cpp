#include "shell/frm_date.h"

#include "overtime/form2.h"
#include "overtime/overtime_tracker.h"
#include "paysheet/app.h"

namespace qv {

FrmDate& App::frmDate() { return formIn(frmDate_); }

void FrmDate::openForTracker() {
    owner_ = Owner::Tracker;
    openOnTarget();
}

void FrmDate::openForLeave(DialogVac::Kind kind) {
    owner_ = Owner::Leave;
    kind_ = kind;
    openOnTarget();
}

std::string* FrmDate::targetBox() {
    const int row = app().datePickerRow;
    if (owner_ == Owner::Tracker) {
        if (row < 0 || row >= static_cast<int>(otRowsInUse(app().profile.Weekly))) return nullptr;
        return &app().form2().Text1[static_cast<std::size_t>(row)];
    }
    if (row < 0 || row >= static_cast<int>(kLeaveRows)) return nullptr;
    return &app().dialogVac().dateBoxes(kind_)[static_cast<std::size_t>(row)];
}

}  // namespace qv
