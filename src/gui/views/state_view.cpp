#include "gui/views/state_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/desktop.h"
#include "gui/views/settings_layout.h"
#include "gui/widgets.h"
#include "state/dialog_state.h"

namespace qv::gui {

namespace {

using D = DialogState;

QLabel* label(Widgets& w, int number) { return w.make<QLabel>("Label", number); }

// One bracket table: its title with the "BIWEEKLY " label beside it, then
// "Line" over the row numbers and the three columns.
QWidget* bracketTable(Widgets& w, int title, int biweekly, int line, std::array<int, 3> headings,
                      const QString& numbers, std::array<std::string_view, 3> boxes) {
    auto* area = new QWidget;
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    top->addWidget(bolded(label(w, title)));
    top->addStretch(1);
    top->addWidget(label(w, biweekly));
    column->addLayout(top);
    column->addLayout(boxTable(w, columnHeading(label(w, line)), numbers, 1, 10,
                               {{columnHeading(label(w, headings[0])), boxes[0]},
                                {columnHeading(label(w, headings[1])), boxes[1]},
                                {columnHeading(label(w, headings[2])), boxes[2]}}));
    column->addStretch(1);
    return area;
}

// A box with its label in a grid row.
void labelled(QGridLayout* grid, int row, QLabel* caption, QWidget* box) {
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
}

}  // namespace

StateView::StateView(Desktop& desktop, DialogState& form)
    : QDialog(desktop.mainWindow()), View(desktop, form, this, Modality::Beside) {
    setObjectName(QStringLiteral("DialogState"));
    setSizeGripEnabled(true);
    Widgets w(D::controls());

    auto* body = new QWidget;
    auto* page = new QVBoxLayout(body);
    page->addWidget(wrapped(label(w, 12)));
    page->addLayout(warningRow(label(w, 18), label(w, 17)));
    page->addWidget(buildTables());
    page->addWidget(buildInsurance());
    page->addWidget(buildMethods());
    page->addStretch(1);

    auto* window = new QVBoxLayout(this);
    window->addWidget(new FittingScroll(body), 1);
    window->addLayout(buttonRow({w.make<QPushButton>("cmdDefault"), w.make<QPushButton>("cmdClearAll"),
                                 w.make<QPushButton>("cmdMkDefault"), w.make<QPushButton>("cmdGetDefault")},
                                {w.make<QPushButton>("OKButton"), w.make<QPushButton>("CancelButton")}));

    onClose(&D::CancelButton_Click);
    bindControls(D::controls());
}

QWidget* StateView::buildTables() {
    Widgets w(D::controls());
    auto* area = new QWidget;
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(bracketTable(w, 4, 19, 6, {1, 2, 3}, QStringLiteral("Frame1"),
                                {"txtStateMinBS", "txtStateAmtBS", "txtStatePerBS"}),
                   3);
    row->addSpacing(12);
    row->addWidget(bracketTable(w, 5, 20, 11, {8, 9, 10}, QStringLiteral("Frame2"),
                                {"txtStateMinBM", "txtStateAmtBM", "txtStatePerBM"}),
                   3);
    row->addSpacing(12);

    // The allowance table: its rows, numbered by Label27, sit in Frame3,
    // which a preset may hide as a whole.
    auto* allowances = new QWidget;
    auto* column = new QVBoxLayout(allowances);
    column->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    top->addWidget(wrapped(label(w, 16)), 1);
    top->addWidget(label(w, 21));
    column->addLayout(top);
    auto* frame3 = new QWidget;
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* grid = new QGridLayout(frame3);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(columnHeading(label(w, 13)), 0, 0);
    grid->addWidget(columnHeading(label(w, 14)), 0, 1);
    grid->addWidget(columnHeading(label(w, 15)), 0, 2);
    for (int n = 0; n < 10; ++n) {
        auto* number = w.make<QLabel>("Label27", n);
        number->setAlignment(Qt::AlignCenter);
        grid->addWidget(number, n + 1, 0);
        grid->addWidget(numberBox(w, "txtStateSgExp", n), n + 1, 1);
        grid->addWidget(numberBox(w, "txtStateMarExp", n), n + 1, 2);
    }
    column->addWidget(frame3);
    column->addStretch(1);
    row->addWidget(allowances, 2);
    return area;
}

QWidget* StateView::buildInsurance() {
    Widgets w(D::controls());
    auto* area = new QWidget;
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);

    const struct {
        std::string_view frame, percent, base, check;
        int percentLabel, baseLabel;
    } insurances[] = {{"Frame4", "txtSDIpercent", "txtSDIwageBase", "ckSDI", 25, 26},
                      {"Frame5", "txtSUIpercent", "txtSUIwageBase", "ckSUI", 22, 23}};
    for (const auto& i : insurances) {
        auto* frame = w.make<QGroupBox>(i.frame);
        auto* grid = new QGridLayout(frame);
        labelled(grid, 0, label(w, i.percentLabel), numberBox(w, i.percent));
        labelled(grid, 1, label(w, i.baseLabel), numberBox(w, i.base));
        grid->addWidget(w.make<QCheckBox>(i.check), 2, 1);
        row->addWidget(frame, 1);
    }

    auto* adjustment = w.make<QGroupBox>("Frame6");
    auto* grid = new QGridLayout(adjustment);
    auto* adjustText = wrapped(label(w, 24));
    adjustText->setMinimumWidth(adjustText->fontMetrics().horizontalAdvance(QStringLiteral("Enter figure to add to State")));
    labelled(grid, 0, adjustText, numberBox(w, "txtStateAdj"));
    labelled(grid, 1, wrapped(label(w, 28)), numberBox(w, "txtCalAllow"));
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    row->addWidget(adjustment, 2);
    return area;
}

QWidget* StateView::buildMethods() {
    Widgets w(D::controls());
    auto* area = new QWidget;
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);

    // The state methods: a press with the mouse chooses one and runs its preset.
    auto* methods = new QGroupBox;
    auto* grid = new QGridLayout(methods);
    const std::string_view boxes[] = {"ckAriz",    "ckLouis",   "ckIowa",     "ckMissouri",
                                      "ckMass",    "ckOregon",  "ckKentucky", "ckUtah",
                                      "ckAlabama", "ckWiscon",  "ckWisconApril", "ckNC"};
    constexpr int kPerRow = 4;
    for (int i = 0; i < static_cast<int>(std::size(boxes)); ++i)
        // At its own width: a press beside the caption is no press of the box.
        grid->addWidget(w.make<QCheckBox>(boxes[i]), i / kPerRow, i % kPerRow, Qt::AlignLeft);
    row->addWidget(methods, 3);

    auto* flags = new QVBoxLayout;
    flags->addWidget(w.make<QCheckBox>("ckNoStateTax"));
    flags->addWidget(w.make<QCheckBox>("ckRoundOff"));
    flags->addWidget(w.make<QCheckBox>("ckSpouse"));
    flags->addStretch(1);
    row->addLayout(flags, 1);
    return area;
}

}  // namespace qv::gui
