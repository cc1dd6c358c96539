#include "gui/views/vac_view.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/desktop.h"
#include "gui/text.h"
#include "gui/views/settings_layout.h"
#include "gui/widgets.h"
#include "leave/dialog_vac.h"

namespace qv::gui {

namespace {

struct Kind {
    const char* frame;
    std::string_view start, balance, dates, taken;
};

QGroupBox* kindFrame(Widgets& w, const Kind& k) {
    auto* frame = new QGroupBox(QString::fromUtf8(k.frame));
    auto* column = new QVBoxLayout(frame);
    auto* top = new QGridLayout;
    auto* startLabel = Widgets::fixed("Start Balance");
    auto* start = numberBox(w, k.start);
    startLabel->setBuddy(start);
    top->addWidget(startLabel, 0, 0);
    top->addWidget(start, 0, 1);
    top->addWidget(Widgets::fixed("Balance"), 1, 0);
    auto* balance = bolded(w.make<QLabel>(k.balance));
    balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    balance->setFrameShape(QFrame::Panel);
    balance->setFrameShadow(QFrame::Sunken);
    top->addWidget(balance, 1, 1);
    column->addLayout(top);

    auto* rows = new QGridLayout;
    rows->addWidget(columnHeading(Widgets::fixed("Dates")), 0, 0);
    rows->addWidget(columnHeading(Widgets::fixed("#Taken")), 0, 1);
    const int dateWidth = frame->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 16;
    for (int r = 0; r < static_cast<int>(kLeaveRows); ++r) {
        auto* date = w.make<QLineEdit>(k.dates, r);
        date->setMinimumWidth(dateWidth);
        rows->addWidget(date, r + 1, 0);
        rows->addWidget(numberBox(w, k.taken, r), r + 1, 1);
    }
    rows->setColumnStretch(0, 3);
    rows->setColumnStretch(1, 2);
    column->addLayout(rows);
    column->addStretch(1);
    return frame;
}

}  // namespace

VacView::VacView(Desktop& desktop, DialogVac& form)
    : QDialog(desktop.mainWindow()), View(desktop, form, this, Modality::Beside) {
    setObjectName(QStringLiteral("DialogVac"));
    setWindowTitle(shown(DialogVac::kCaption));
    setSizeGripEnabled(true);
    Widgets w(DialogVac::controls());

    auto* window = new QVBoxLayout(this);
    // "&Help" is a command of the menu bar itself.
    auto* bar = new QMenuBar;
    auto* help = new QAction(this);
    help->setObjectName(QStringLiteral("mnuHelp"));
    if (const Control* c = w.find("mnuHelp")) help->setText(shown(c->designedCaption));
    bar->addAction(help);
    window->setMenuBar(bar);

    auto* body = new QWidget;
    auto* page = new QVBoxLayout(body);
    page->addWidget(bolded(Widgets::fixed(DialogVac::kHeading)), 0, Qt::AlignHCenter);
    auto* kinds = new QHBoxLayout;
    const Kind all[] = {{"Vacation", "txtVacBal", "lbVacBal", "txtVdate", "txtVcnt"},
                        {"Holiday/Personel", "txtHolBal", "lbHolBal", "txtHdate", "txtHcnt"},
                        {"Sick", "txtSickBal", "lbSickBal", "txtSdate", "txtScnt"}};
    for (const Kind& k : all) kinds->addWidget(kindFrame(w, k));
    page->addLayout(kinds);
    page->addStretch(1);
    window->addWidget(new FittingScroll(body), 1);

    window->addLayout(buttonRow({w.make<QPushButton>("cmdClear")}, {w.make<QPushButton>("OKButton")}));

    // Closing without "Save" keeps the edits in the boxes until the next opening.
    onClose(&DialogVac::close);
    bindControls(DialogVac::controls());
}

}  // namespace qv::gui
