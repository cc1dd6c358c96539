#include "gui/views/date_picker_view.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/desktop.h"
#include "gui/widgets.h"
#include "shell/frm_date.h"
#include "shell/frm_date_main.h"

namespace qv::gui {

namespace {
QDate qDate(const Date& d) { return QDate(d.year, d.month, d.day); }
}  // namespace

DatePickerView::DatePickerView(Desktop& desktop, DatePicker& form, const QString& title,
                               std::span<const Control> table)
    : QDialog(desktop.mainWindow()), View(desktop, form, this, Modality::Modal) {
    setWindowTitle(title);
    Widgets w(table);
    auto* page = new QVBoxLayout(this);
    auto* calendar = w.make<QCalendarWidget>("DTPicker1");
    calendar->setDateRange(qDate(DatePicker::kMinDate), qDate(DatePicker::kMaxDate));
    calendar->setGridVisible(true);
    page->addWidget(calendar);
    // Every change of the date reaches the box at once, through the form,
    // which keeps it within the dates offered.
    QObject::connect(calendar, &QCalendarWidget::selectionChanged, this, [this, calendar, &form] {
        const QDate d = calendar->selectedDate();
        run([&form, d] { form.DTPicker1_Change(Date{d.year(), d.month(), d.day()}); });
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = w.make<QPushButton>("cmdOK");
    ok->setDefault(true);
    buttons->addWidget(ok);
    page->addLayout(buttons);

    onClose(&DatePicker::Form_QueryUnload);
    bindControls(table);
}

PayDatePickerView::PayDatePickerView(Desktop& desktop, FrmDateMain& form)
    : DatePickerView(desktop, form, QStringLiteral("Pay Date"), FrmDateMain::controls()) {
    setObjectName(QStringLiteral("frmDateMain"));
}

WeekDatePickerView::WeekDatePickerView(Desktop& desktop, FrmDate& form)
    : DatePickerView(desktop, form, QStringLiteral("Date"), FrmDate::controls()) {
    setObjectName(QStringLiteral("frmDate"));
}

}  // namespace qv::gui
