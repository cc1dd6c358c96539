#include "gui/views/ledger_grid_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

#include "gui/desktop.h"
#include "gui/views/ledger_columns.h"
#include "gui/views/ledger_frame_view.h"
#include "gui/widgets.h"
#include "ledger/frm_year.h"
#include "ledger/year_ledger.h"
#include "paysheet/app.h"

namespace qv::gui {

namespace {

// The cells of a row after the period number, left to right.
constexpr std::array<std::string_view, 16> kCells = {"txtDate", "txtFed",  "txtSS",    "txtMedi",
                                                     "txtState", "txtCity", "txtMuni",  "txtBond",
                                                     "txtDues",  "txtPen",  "txtMisc",  "txtKplan",
                                                     "txtTips",  "txtOT",   "txtNet",   "txtGross"};

bool typedInto(std::string_view cell) { return cell == "txtTips" || cell == "txtGross" || cell == "txtNet"; }

// A display-only amount: sunken like a box, but nothing to type into.
QLabel* shownCell(Widgets& w, std::string_view name, int slot) {
    auto* label = w.make<QLabel>(name, slot);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment((name == "txtDate" ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    return label;
}

constexpr int kRowsPerBlock = 26;

}  // namespace

LedgerGridView::LedgerGridView(Desktop& desktop, FrmYear& form)
    : QWidget(nullptr), View(desktop, form, this, Modality::Beside) {
    setObjectName(QStringLiteral("frmYear"));
    Widgets w(FrmYear::controls());
    columns_ = LedgerColumns::of(*this);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    auto* hint = w.make<QLabel>("lbHint");
    page->addWidget(hint);

    auto* table = new QGridLayout;
    columns_.apply(*table);
    int row = 0;
    addHeadings(*table, row++, "lbHeading");
    for (int slot = 0; slot < kRowsPerBlock; ++slot) addRow(*table, row++, slot);
    const int lowerHeadingRow = row;
    addHeadings(*table, row++, "lbHeading2");
    for (int slot = kRowsPerBlock; slot < kLedgerSlots; ++slot) addRow(*table, row++, slot);
    for (int c = 0; c < table->columnCount(); ++c)
        if (QLayoutItem* item = table->itemAtPosition(lowerHeadingRow, c); item && item->widget())
            lowerHeadings_.push_back(item->widget());
    page->addLayout(table);

    auto* foot = new QHBoxLayout;
    foot->addWidget(w.make<QLabel>("lbCaption"), 1);
    foot->addWidget(w.make<QPushButton>("cmdBack"));
    page->addLayout(foot);

    LedgerFrameView::of(desktop).holdGrid(this);
    bindControls(FrmYear::controls());
}

FrmYear& LedgerGridView::grid() { return static_cast<FrmYear&>(form()); }

void LedgerGridView::addHeadings(QGridLayout& layout, int row, const char* name) {
    Widgets w(FrmYear::controls());
    for (int k = 0; k < 16; ++k) {
        auto* heading = w.make<QLabel>(name, k);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setAlignment(Qt::AlignCenter);
        if (k == 0)
            layout.addWidget(heading, row, LedgerColumns::kNumber, 1, 2);
        else
            layout.addWidget(heading, row, LedgerColumns::ofHeading(k));
    }
}

void LedgerGridView::addRow(QGridLayout& layout, int row, int slot) {
    Widgets w(FrmYear::controls());
    std::vector<QWidget*> cells;
    auto* number = w.make<QLabel>("Label2", slot);
    number->setAlignment(Qt::AlignCenter);
    number->setCursor(Qt::PointingHandCursor);
    number->setFrameShape(QFrame::StyledPanel);
    number->installEventFilter(this);
    number->setFixedWidth(columns_.number);
    layout.addWidget(number, row, LedgerColumns::kNumber);
    cells.push_back(number);
    for (std::size_t k = 0; k < kCells.size(); ++k) {
        QWidget* cell = nullptr;
        if (typedInto(kCells[k])) {
            auto* box = w.make<QLineEdit>(kCells[k], slot);
            box->setAlignment(Qt::AlignRight);
            cell = box;
        } else {
            cell = shownCell(w, kCells[k], slot);
        }
        const int column = LedgerColumns::kDate + static_cast<int>(k);
        cell->setFixedWidth(columns_.width(column));
        layout.addWidget(cell, row, column);
        cells.push_back(cell);
    }
    rows_.push_back(std::move(cells));
}

void LedgerGridView::pull() {
    View::pull();
    // The rows of the periods in use; a bi-weekly year has 27.
    const int inUse = activeSlots(desktop().app().profile.Weekly);
    for (std::size_t i = 0; i < rows_.size(); ++i)
        for (QWidget* cell : rows_[i]) cell->setVisible(static_cast<int>(i) < inUse);
    for (QWidget* heading : lowerHeadings_) heading->setVisible(inUse > kRowsPerBlock);
}

bool LedgerGridView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QWidget::eventFilter(watched, event);
    const QString name = watched->objectName();
    if (!name.startsWith(QStringLiteral("Label2_"))) return QWidget::eventFilter(watched, event);
    const int slot = name.mid(7).toInt();
    MouseButton button;
    switch (static_cast<QMouseEvent*>(event)->button()) {
        case Qt::LeftButton: button = MouseButton::Left; break;
        case Qt::RightButton: button = MouseButton::Right; break;
        case Qt::MiddleButton: button = MouseButton::Middle; break;
        default: return true;
    }
    run([this, slot, button] { grid().Label2_MouseDown(slot, button); });
    return true;
}

}  // namespace qv::gui
