#include "gui/views/views.h"

#include "gui/desktop.h"
#include "gui/views/check_view.h"
#include "gui/views/ledger_frame_view.h"
#include "gui/views/ledger_grid_view.h"
#include "gui/views/overtime_view.h"
#include "gui/views/pay_sheet_view.h"
#include "gui/views/print_offset_view.h"
#include "gui/views/year_totals_view.h"
#include "ledger/frm_year.h"
#include "ledger/frm_year_tot.h"
#include "ledger/mdi_form1.h"
#include "overtime/form2.h"
#include "printing/dlg_print_set.h"
#include "printing/frm_checks.h"
#include "gui/views/save_user_view.h"
#include "employee/frm_save_user.h"
#include "paysheet/form1.h"

namespace qv::gui {

// One line a view.
void addAllViews(Desktop& desktop) {
    desktop.addView<Form1, PaySheetView>();
    desktop.addView<FrmSaveUser, SaveUserView>();
    desktop.addView<MDIForm1, LedgerFrameView>();
    desktop.addView<FrmYear, LedgerGridView>();
    desktop.addView<FrmYearTot, YearTotalsView>();
    desktop.addView<FrmChecks, CheckView>();
    desktop.addView<DlgPrintSet, PrintOffsetView>();
    desktop.addView<Form2, OvertimeView>();
}

}  // namespace qv::gui
