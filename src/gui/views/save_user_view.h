// The save prompt "Save User" (form frmSaveUser), modal: the employee's name
// and Save / No / Quit.
#pragma once

#include <QDialog>

#include "gui/view.h"

namespace qv {
class FrmSaveUser;
}

namespace qv::gui {

class SaveUserView : public QDialog, public View {
public:
    SaveUserView(Desktop& desktop, FrmSaveUser& form);
};

}  // namespace qv::gui
