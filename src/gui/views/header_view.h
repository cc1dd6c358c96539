// The print heading "Print Out Heading" (form DialogHeader), beside the pay
// sheet: company, address, zip code line and ID number.
#pragma once

#include <QDialog>

#include "gui/view.h"

namespace qv {
class DialogHeader;
}

namespace qv::gui {

class HeaderView : public QDialog, public View {
public:
    HeaderView(Desktop& desktop, DialogHeader& form);
};

}  // namespace qv::gui
