#include "gui/views/overtime_view.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/desktop.h"
#include "gui/text.h"
#include "gui/widgets.h"
#include "overtime/form2.h"

namespace qv::gui {

namespace {

constexpr int kFirstColumnRows = 26;

QLabel* valueLabel(Widgets& w, std::string_view name) {
    auto* label = w.make<QLabel>(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("$999,999.00")) + 12);
    return label;
}

}  // namespace

OvertimeView::OvertimeView(Desktop& desktop, Form2& form)
    : QWidget(nullptr), View(desktop, form, this, Modality::Beside) {
    setObjectName(QStringLiteral("Form2"));
    Widgets w(Form2::controls());
    auto* page = new QVBoxLayout(this);

    auto* top = new QGridLayout;
    top->addWidget(Widgets::fixed("On:"), 0, 0, Qt::AlignRight);
    top->addWidget(w.make<QLabel>("lbWk"), 0, 1);
    top->addWidget(Widgets::fixed("OT Earned:"), 0, 2, Qt::AlignRight);
    top->addWidget(w.make<QLabel>("lb_OT"), 0, 3);
    auto* annual = w.make<QLineEdit>("txtAnnual");
    auto* percent = w.make<QLineEdit>("txtApPercent");
    for (QLineEdit* e : {annual, percent}) {
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("9999999.99")) + 16);
    }
    auto* annualCaption = Widgets::fixed("Annual Salary", "Look on your pay stub for SALARY");
    annualCaption->setBuddy(annual);
    auto* percentCaption = Widgets::fixed("Enter Your Approved Percentage");
    percentCaption->setBuddy(percent);
    top->addWidget(annualCaption, 1, 0, 1, 2, Qt::AlignRight);
    top->addWidget(annual, 1, 2);
    top->addWidget(percentCaption, 2, 0, 1, 2, Qt::AlignRight);
    top->addWidget(percent, 2, 2);
    top->setColumnStretch(4, 1);
    page->addLayout(top);

    auto* columns = new QWidget;
    auto* side = new QHBoxLayout(columns);
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(buildRows(0, kFirstColumnRows - 1, "first"), 0, Qt::AlignTop);
    secondColumn_ = buildRows(kFirstColumnRows, static_cast<int>(kOtRows) - 1, "second");
    side->addSpacing(16);
    side->addWidget(secondColumn_, 0, Qt::AlignTop);
    side->addStretch(1);
    scroll_ = new QScrollArea;
    scroll_->setObjectName(QStringLiteral("overtimeRows"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(columns);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setMinimumHeight(columns->sizeHint().height());
    page->addWidget(scroll_, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildResults());
    auto* commands = new QVBoxLayout;
    const std::pair<std::string_view, const char*> buttons[] = {{"cmdADD", "&TOTAL"},
                                                               {"cmdAdvance", "&New Week"},
                                                               {"cmdUndo", "&Undo"},
                                                               {"cmdPrint", "&Print"},
                                                               {"cmdClose", "&Back"}};
    for (const auto& [name, caption] : buttons) {
        auto* button = w.make<QPushButton>(name);
        button->setText(QString::fromUtf8(caption));
        commands->addWidget(button);
    }
    commands->addStretch(1);
    bottom->addLayout(commands);
    page->addLayout(bottom);

    bindControls(Form2::controls());
}

Form2& OvertimeView::tracker() { return static_cast<Form2&>(form()); }

QWidget* OvertimeView::buildRows(int first, int last, const char* name) {
    Widgets w(Form2::controls());
    auto* column = new QWidget;
    column->setObjectName(QString::fromLatin1(name) + QStringLiteral("Column"));
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(Widgets::fixed("Week No."), 0, 0);
    grid->addWidget(Widgets::fixed(" Week Ending"), 0, 1);
    grid->addWidget(Widgets::fixed(" O.T. Only"), 0, 2);
    const int dateWidth = fontMetrics().horizontalAdvance(QStringLiteral("12/31/2018")) + 16;
    const int amountWidth = fontMetrics().horizontalAdvance(QStringLiteral("99999.00")) + 16;
    for (int r = first; r <= last; ++r) {
        auto* number = new QLabel(QString::number(r + 1));
        number->setAlignment(Qt::AlignCenter);
        auto* date = w.make<QLineEdit>("Text1", r);
        date->setFixedWidth(dateWidth);
        date->setCursor(Qt::PointingHandCursor);
        auto* amount = w.make<QLineEdit>("txtOT", r);
        amount->setFixedWidth(amountWidth);
        amount->setAlignment(Qt::AlignRight);
        const int row = r - first + 1;
        grid->addWidget(number, row, 0);
        grid->addWidget(date, row, 1);
        grid->addWidget(amount, row, 2);
    }
    return column;
}

QWidget* OvertimeView::buildResults() {
    Widgets w(Form2::controls());
    auto* results = new QGroupBox(QStringLiteral("Results"));
    auto* grid = new QGridLayout(results);
    grid->addWidget(Widgets::fixed("OverTime Earned", "Total from O.T. Only boxes"), 0, 0);
    grid->addWidget(valueLabel(w, "lbEarned"), 0, 1);
    grid->addWidget(Widgets::fixed("You are at"), 1, 0);
    auto* percent = w.make<QLineEdit>("txtPercent");
    percent->setReadOnly(true);
    percent->setAlignment(Qt::AlignRight);
    grid->addWidget(percent, 1, 1);
    grid->addWidget(Widgets::fixed("Max. allowable amount at approved percentage", "Your limit at the approved % rate"),
                    2, 0);
    grid->addWidget(valueLabel(w, "lbMax"), 2, 1);
    grid->addWidget(Widgets::fixed("Available overtime left", "The difference"), 3, 0);
    grid->addWidget(valueLabel(w, "lbAvail"), 3, 1);
    return results;
}

void OvertimeView::beforeEvent() { tracker().focusTextSelected = false; }

void OvertimeView::pull() {
    View::pull();
    Form2& f = tracker();
    secondColumn_->setVisible(f.secondColumnVisible);
    // A move by Enter or an arrow: the box the form names is entered with
    // its text selected.
    if (!f.focusTextSelected) return;
    QString name;
    switch (f.focusBox) {
        case Form2::Box::Annual: name = QStringLiteral("txtAnnual"); break;
        case Form2::Box::ApPercent: name = QStringLiteral("txtApPercent"); break;
        case Form2::Box::WeekEnd: name = QStringLiteral("Text1_%1").arg(f.focusRow); break;
        case Form2::Box::Amount: name = QStringLiteral("txtOT_%1").arg(f.focusRow); break;
        case Form2::Box::None: return;
    }
    if (auto* box = findChild<QLineEdit*>(name)) {
        if (!box->hasFocus()) box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        scroll_->ensureWidgetVisible(box);
    }
}

// The results are worked out again whenever the window comes into view, as
// TOTAL does but without the reminder; after the event, so the desktop's
// refresh that shows the window is not re-entered.
bool OvertimeView::event(QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(
            this, [this] { run([this] { tracker().Form_Paint(); }); }, Qt::QueuedConnection);
    return QWidget::event(event);
}

}  // namespace qv::gui
