// The city tax tables "City (Local) Tax Tables" (form DialogCity), beside the
// pay sheet: the single and married tables, the allowances, NO LOCAL TAX and
// the commands.
#pragma once

#include <QDialog>

#include "gui/view.h"

namespace qv {
class DialogCity;
}

namespace qv::gui {

class CityView : public QDialog, public View {
public:
    CityView(Desktop& desktop, DialogCity& form);
};

}  // namespace qv::gui
