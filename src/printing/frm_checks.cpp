#include "printing/frm_checks.h"

#include "paysheet/app.h"
#include "printing/amount_words.h"
#include "printing/dlg_print_set.h"
#include "printing/print_sources.h"

namespace qv {

FrmChecks& App::frmChecks() { return formIn(frmChecks_); }

void FrmChecks::refill() {
    FillCheckWords(app());
    txtCheckAmt = FillCheckFigures(app());
}

void FrmChecks::Form_Load() {
    refill();
    txtCheckDate = readPaySheet(app()).txtWeek;
}

// A click or the focus refills the check from the pay sheet; the date and
// memo keep what the user typed.
void FrmChecks::Form_Click() {
    ensureLoaded();
    refill();
}

void FrmChecks::Form_GotFocus() {
    ensureLoaded();
    refill();
}

void FrmChecks::mnuPrintCheck_Click() {
    ensureLoaded();
    app().dlgPrintSet().show();
}

void FrmChecks::resetControls() {
    txtCheckDate.clear();
    txtPayTo.clear();
    txtCheckAmt.clear();
    txtDollars.clear();
    txtUserName.clear();
    txtUserAddress.clear();
    txtUserState.clear();
    txtUserSSnum.clear();
    txtMemo.clear();
    txtCheckCompany.clear();
}

}  // namespace qv
