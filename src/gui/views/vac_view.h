// The leave balances "Vacation / Holiday / Sick" (form DialogVac), beside the
// pay sheet: for vacation, holiday and sick days a start balance, twenty rows
// of a date and the days taken, and the balance; the menu "&Help".
#pragma once

#include <QDialog>

#include "gui/view.h"

namespace qv {
class DialogVac;
}

namespace qv::gui {

class VacView : public QDialog, public View {
public:
    VacView(Desktop& desktop, DialogVac& form);
};

}  // namespace qv::gui
