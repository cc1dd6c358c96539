// The state tax settings "Biweekly State Tax" (form DialogState), beside the
// pay sheet: the single and married tables, the allowances, SDI and SUI, the
// adjustment, the method boxes and the commands.
#pragma once

#include <QDialog>

#include "gui/view.h"

namespace qv {
class DialogState;
}

namespace qv::gui {

class StateView : public QDialog, public View {
public:
    StateView(Desktop& desktop, DialogState& form);

private:
    QWidget* buildTables();
    QWidget* buildInsurance();
    QWidget* buildMethods();
};

}  // namespace qv::gui
