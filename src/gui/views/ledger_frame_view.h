// The ledger frame "Year To Date" (form MDIForm1): its menu over the grid
// (frmYear), which scrolls, and the totals strip (frmYearTot) below it. The
// grid and the strip are views of their own that live inside this window.
#pragma once

#include <QMainWindow>

#include "gui/view.h"

class QScrollArea;
class QVBoxLayout;

namespace qv {
class MDIForm1;
}

namespace qv::gui {

class LedgerFrameView : public QMainWindow, public View {
public:
    LedgerFrameView(Desktop& desktop, MDIForm1& form);

    // The frame of the ledger, made when the grid or the strip needs it
    // before the frame itself is shown.
    static LedgerFrameView& of(Desktop& desktop);

    // Takes the grid (scrolled) or the totals strip in.
    void holdGrid(QWidget* grid);
    void holdTotals(QWidget* totals);

    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QScrollArea* scroll_;
    QVBoxLayout* page_;
};

// A view that lives inside the ledger frame: the desktop shows and hides it
// there and never places it beside the pay sheet.
void markInsideFrame(QWidget& w);

}  // namespace qv::gui
