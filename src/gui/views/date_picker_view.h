// The two date pickers (forms frmDateMain for the pay date, frmDate for a
// week-ending or leave date), modal: a calendar limited to the dates the
// picker offers, every change written into the box at once, and the button.
#pragma once

#include <QDialog>

#include "gui/view.h"

namespace qv {
class DatePicker;
class FrmDate;
class FrmDateMain;
}  // namespace qv

namespace qv::gui {

class DatePickerView : public QDialog, public View {
public:
    DatePickerView(Desktop& desktop, DatePicker& form, const QString& title, std::span<const Control> table);
};

class PayDatePickerView : public DatePickerView {
public:
    PayDatePickerView(Desktop& desktop, FrmDateMain& form);
};

class WeekDatePickerView : public DatePickerView {
public:
    WeekDatePickerView(Desktop& desktop, FrmDate& form);
};

}  // namespace qv::gui
