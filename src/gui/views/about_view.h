// The About box (form frmAboutSpcl), modal: the brand, the product title and
// the version.
#pragma once

#include <QDialog>

#include "gui/view.h"

namespace qv {
class FrmAboutSpcl;
}

namespace qv::gui {

class AboutView : public QDialog, public View {
public:
    AboutView(Desktop& desktop, FrmAboutSpcl& form);
};

}  // namespace qv::gui
