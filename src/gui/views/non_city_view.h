// The non-resident table "NON City Resident" (form DialogNonCity), beside the
// pay sheet: the weekly and bi-weekly tables, the rate and the commands.
#pragma once

#include <QDialog>

#include "gui/view.h"

namespace qv {
class DialogNonCity;
}

namespace qv::gui {

class NonCityView : public QDialog, public View {
public:
    NonCityView(Desktop& desktop, DialogNonCity& form);
};

}  // namespace qv::gui
