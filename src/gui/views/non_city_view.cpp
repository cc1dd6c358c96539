#include "gui/views/non_city_view.h"

#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/desktop.h"
#include "gui/text.h"
#include "gui/views/settings_layout.h"
#include "gui/widgets.h"
#include "local/dialog_non_city.h"

namespace qv::gui {

namespace {

QLabel* heading(std::string_view text) { return columnHeading(Widgets::fixed(text)); }

// "NON Resident Table" of one pay frequency: rows 1 to 8.
QGroupBox* residentTable(Widgets& w, std::string_view frequency, const QString& numbers, std::string_view minimum,
                         std::string_view subtract) {
    auto* frame = new QGroupBox(QStringLiteral("NON Resident Table"));
    auto* column = new QVBoxLayout(frame);
    column->addWidget(bolded(Widgets::fixed(frequency)), 0, Qt::AlignHCenter);
    column->addLayout(boxTable(w, nullptr, numbers, 1, 8,
                               {{heading("Minimum Range"), minimum}, {heading("Subtract"), subtract}}));
    return frame;
}

}  // namespace

NonCityView::NonCityView(Desktop& desktop, DialogNonCity& form)
    : QDialog(desktop.mainWindow()), View(desktop, form, this, Modality::Beside) {
    setObjectName(QStringLiteral("DialogNonCity"));
    setWindowTitle(shown(DialogNonCity::Caption));
    setSizeGripEnabled(true);
    Widgets w(DialogNonCity::controls());

    auto* page = new QVBoxLayout(this);
    auto* tables = new QHBoxLayout;
    tables->addWidget(residentTable(w, "WEEKLY", QStringLiteral("weeklyRows"), "txtNonMinWk", "txtNonExpWk"));
    tables->addWidget(residentTable(w, "BIWEEKLY", QStringLiteral("biweeklyRows"), "txtNonMinBi", "txtNonExpBi"));
    page->addLayout(tables);

    auto* rate = new QHBoxLayout;
    auto* rateLabel = Widgets::fixed("Multiply by Percentage in Decimal");
    auto* rateBox = numberBox(w, "txtNonPer");
    rateLabel->setBuddy(rateBox);
    rate->addWidget(rateLabel);
    rate->addWidget(rateBox);
    rate->addStretch(1);
    page->addLayout(rate);

    page->addLayout(warningRow(Widgets::fixed("WARNING!"), Widgets::fixed(DialogNonCity::WarningText)));
    page->addStretch(1);

    page->addLayout(buttonRow({w.make<QPushButton>("cmdDefault")}, {w.make<QPushButton>("OKButton"), w.make<QPushButton>("CancelButton")}));

    // Closing the window hides it with its edits, as "&CANCEL" does.
    onClose(&DialogNonCity::CancelButton_Click);
    bindControls(DialogNonCity::controls());
}

}  // namespace qv::gui
