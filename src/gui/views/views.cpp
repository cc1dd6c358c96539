#include "gui/views/views.h"

#include "gui/desktop.h"
#include "gui/views/about_view.h"
#include "gui/views/date_picker_view.h"
#include "gui/views/pay_sheet_view.h"
#include "gui/views/save_user_view.h"
#include "employee/frm_save_user.h"
#include "paysheet/form1.h"
#include "shell/frm_about_spcl.h"
#include "shell/frm_date.h"
#include "shell/frm_date_main.h"

namespace qv::gui {

// One line a view.
void addAllViews(Desktop& desktop) {
    desktop.addView<Form1, PaySheetView>();
    desktop.addView<FrmSaveUser, SaveUserView>();
    desktop.addView<FrmDateMain, PayDatePickerView>();
    desktop.addView<FrmDate, WeekDatePickerView>();
    desktop.addView<FrmAboutSpcl, AboutView>();
}

}  // namespace qv::gui
