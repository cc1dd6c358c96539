// The check window "Check Printing" (form frmChecks): the check as it will
// print, every box editable, and its menu "Print" that opens the printer
// offset dialog. A click on the window or its activation refills the check
// from the pay sheet.
#pragma once

#include <QMainWindow>

#include "gui/view.h"

namespace qv {
class FrmChecks;
}

namespace qv::gui {

class CheckView : public QMainWindow, public View {
public:
    CheckView(Desktop& desktop, FrmChecks& form);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    FrmChecks& checks();
};

}  // namespace qv::gui
