// The pay sheet window (form Form1): the program's main window with the
// period's hours, the results, the taxes and deductions, the pay date, the
// employee and the menus that open every other window.
#pragma once

#include <QMainWindow>

#include "gui/view.h"

namespace qv {
class Form1;
}

namespace qv::gui {

class PaySheetView : public QMainWindow, public View {
public:
    PaySheetView(Desktop& desktop, Form1& form);

    void beforeEvent() override;
    void pull() override;

private:
    Form1& sheet();
    QWidget* buildHeading();
    QWidget* buildHours();
    QWidget* buildResults();
    QWidget* buildTaxes();
    QWidget* buildCommands();
};

}  // namespace qv::gui
