// The ledger grid (form frmYear), inside the ledger frame: the two heading
// rows, a row of cells for each pay period, the hints and "&Close". A left
// click on a period number posts the pay sheet's period into that row, a
// right click deletes the row.
#pragma once

#include <QWidget>

#include <vector>

#include "gui/view.h"
#include "gui/views/ledger_columns.h"

class QGridLayout;

namespace qv {
class FrmYear;
}

namespace qv::gui {

class LedgerGridView : public QWidget, public View {
public:
    LedgerGridView(Desktop& desktop, FrmYear& form);

    void pull() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrmYear& grid();
    void addHeadings(QGridLayout& layout, int row, const char* name);
    void addRow(QGridLayout& layout, int row, int slot);

    // The widgets of each period row and of the lower heading row, shown
    // for the periods the employee's pay frequency uses.
    LedgerColumns columns_;
    std::vector<std::vector<QWidget*>> rows_;
    std::vector<QWidget*> lowerHeadings_;
};

}  // namespace qv::gui
