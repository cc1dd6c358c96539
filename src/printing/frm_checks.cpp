#include "printing/frm_checks.h"

#include "paysheet/app.h"
#include "printing/amount_words.h"
#include "printing/check_amount.h"
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
    txtCheckDate = snapshotPaySheet(app()).txtWeek;
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

std::span<const Control> FrmChecks::controls() {
    using D = FrmChecks;
    static constexpr Control kTable[] = {
        control<&D::txtCheckDate>("txtCheckDate"),
        control<&D::txtPayTo>("txtPayTo"),
        control<&D::txtCheckAmt>("txtCheckAmt"),
        control<&D::txtDollars>("txtDollars"),
        control<&D::txtUserName>("txtUserName"),
        control<&D::txtUserAddress>("txtUserAddress"),
        control<&D::txtUserState>("txtUserState"),
        control<&D::txtUserSSnum>("txtUserSSnum"),
        control<&D::txtMemo>("txtMemo"),
        control<&D::txtCheckCompany>("txtCheckCompany"),
        command<&D::mnuPrintCheck_Click>("mnuPrintCheck"),
    };
    return kTable;
}

void FrmChecks::resetControls() { resetToDesign(*this, app()); }

}  // namespace qv
