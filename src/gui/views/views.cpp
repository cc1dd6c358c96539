#include "gui/views/views.h"

#include "gui/desktop.h"
#include "gui/views/about_view.h"
#include "gui/views/check_view.h"
#include "gui/views/city_view.h"
#include "gui/views/date_picker_view.h"
#include "gui/views/header_view.h"
#include "gui/views/ledger_frame_view.h"
#include "gui/views/ledger_grid_view.h"
#include "gui/views/non_city_view.h"
#include "gui/views/overtime_view.h"
#include "gui/views/pay_sheet_view.h"
#include "gui/views/print_offset_view.h"
#include "gui/views/save_user_view.h"
#include "gui/views/state_view.h"
#include "gui/views/tax_info_view.h"
#include "gui/views/vac_view.h"
#include "gui/views/year_totals_view.h"
#include "employee/frm_save_user.h"
#include "employee/frm_tax_info.h"
#include "leave/dialog_vac.h"
#include "ledger/frm_year.h"
#include "ledger/frm_year_tot.h"
#include "ledger/mdi_form1.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "overtime/form2.h"
#include "paysheet/form1.h"
#include "printing/dlg_print_set.h"
#include "printing/frm_checks.h"
#include "printing/print_heading.h"
#include "shell/frm_about_spcl.h"
#include "shell/frm_date.h"
#include "shell/frm_date_main.h"
#include "state/dialog_state.h"

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
    desktop.addView<FrmDateMain, PayDatePickerView>();
    desktop.addView<FrmDate, WeekDatePickerView>();
    desktop.addView<FrmAboutSpcl, AboutView>();
    desktop.addView<FrmTaxInfo, TaxInfoView>();
    desktop.addView<DialogState, StateView>();
    desktop.addView<DialogCity, CityView>();
    desktop.addView<DialogNonCity, NonCityView>();
    desktop.addView<DialogHeader, HeaderView>();
    desktop.addView<DialogVac, VacView>();
}

}  // namespace qv::gui
