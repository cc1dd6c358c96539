#include "gui/views/ledger_frame_view.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/desktop.h"
#include "gui/widgets.h"
#include "ledger/mdi_form1.h"
#include "paysheet/app.h"

namespace qv::gui {

void markInsideFrame(QWidget& w) { w.setProperty("qvPlaced", true); }

LedgerFrameView::LedgerFrameView(Desktop& desktop, MDIForm1& form)
    : QMainWindow(nullptr), View(desktop, form, this, Modality::Beside) {
    setObjectName(QStringLiteral("MDIForm1"));

    // The menu bar holds the commands themselves; "C&lear" opens a menu
    // with "&Clear All". Captions come from the form.
    Widgets w(MDIForm1::controls());
    QMenuBar* bar = menuBar();
    auto entry = [&](std::string_view name) {
        auto* action = w.make<QAction>(name);
        action->setParent(this);
        return action;
    };
    bar->addAction(entry("mnuClose"));
    bar->addAction(entry("mnuPrint"));
    auto* clear = new QMenu(this);
    clear->menuAction()->setObjectName(QStringLiteral("mnuClear"));
    clear->addAction(entry("mnuClearAll"));
    // The menu's own action carries its caption ("C&lear").
    bar->addMenu(clear);
    bar->addAction(entry("mnuAdd"));
    bar->addAction(entry("mnuExcel"));

    auto* central = new QWidget;
    page_ = new QVBoxLayout(central);
    scroll_ = new QScrollArea;
    scroll_->setObjectName(QStringLiteral("ledgerScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    page_->addWidget(scroll_, 1);
    setCentralWidget(central);

    // The close box is refused: only "&Close" ends the ledger.
    onClose(&MDIForm1::MDIForm_QueryUnload, false);
    bindControls(MDIForm1::controls());
}

LedgerFrameView& LedgerFrameView::of(Desktop& desktop) {
    return static_cast<LedgerFrameView&>(*desktop.ensureView(desktop.app().mdiForm1()));
}

void LedgerFrameView::holdGrid(QWidget* grid) {
    markInsideFrame(*grid);
    scroll_->setWidget(grid);
}

void LedgerFrameView::holdTotals(QWidget* totals) {
    markInsideFrame(*totals);
    page_->addWidget(totals, 0);
}

// adjustSize() keeps a window within two thirds of the screen, which would
// cut the last columns off: the frame takes the size it asks for instead.
void LedgerFrameView::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) resize(sizeHint());
    QMainWindow::showEvent(event);
}

// Wide enough for every column, as tall as the screen allows: the grid
// scrolls for the rows that do not fit.
QSize LedgerFrameView::sizeHint() const {
    QSize want = QMainWindow::sizeHint();
    if (QWidget* grid = scroll_->widget()) {
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const int chrome = want.height() - scroll_->sizeHint().height();
        want = QSize(std::max(want.width(), grid->sizeHint().width() + bar + 24),
                     chrome + grid->sizeHint().height());
    }
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        want = want.boundedTo(QSize(room.width() * 19 / 20, room.height() * 17 / 20));
    }
    return want;
}

}  // namespace qv::gui
