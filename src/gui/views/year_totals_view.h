// The year totals strip (form frmYearTot) under the ledger grid, inside the
// ledger frame: a box per grid column under the column's heading, and the
// SDI, SUI, cafeteria and tips sums on a second row.
#pragma once

#include <QWidget>

#include "gui/view.h"

namespace qv {
class FrmYearTot;
}

namespace qv::gui {

class YearTotalsView : public QWidget, public View {
public:
    YearTotalsView(Desktop& desktop, FrmYearTot& form);
};

}  // namespace qv::gui
