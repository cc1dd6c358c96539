#include "gui/views/views.h"

#include "gui/desktop.h"
#include "gui/views/pay_sheet_view.h"
#include "gui/views/save_user_view.h"
#include "employee/frm_save_user.h"
#include "paysheet/form1.h"

namespace qv::gui {

// One line a view.
void addAllViews(Desktop& desktop) {
    desktop.addView<Form1, PaySheetView>();
    desktop.addView<FrmSaveUser, SaveUserView>();
}

}  // namespace qv::gui
