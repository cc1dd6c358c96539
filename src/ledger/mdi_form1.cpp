#include "ledger/mdi_form1.h"

#include "common/messages.h"
#include "ledger/frm_year.h"
#include "ledger/frm_year_tot.h"
#include "ledger/ledger_export.h"
#include "ledger/year_files.h"
#include "ledger/year_ledger.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"
#include "printing/ledger_print.h"

namespace qv {

MDIForm1& App::mdiForm1() { return formIn(mdiForm1_); }

namespace {
// The frame is this much wider than the grid it holds.
constexpr int kFrameMargin = 430;
}  // namespace

MDIForm1::MDIForm1(App& app) : Form(app) {
    Caption = "Year To Date";
    Width = FrmYear::kDesignedWidth + kFrameMargin;
    mnuClose = "&Close";
    mnuPrint = "&Print";
    mnuClear = "C&lear";
    mnuClearAll = "&Clear All";
    mnuAdd = "&Add";
    mnuExcel = "&Excel";
}

std::span<const Control> MDIForm1::controls() {
    using D = MDIForm1;
    static constexpr Control kTable[] = {
        control<&D::Caption>("Caption").title(),
        control<&D::mnuClose>("mnuClose").onClick<&D::mnuClose_Click>(),
        control<&D::mnuPrint>("mnuPrint").onClick<&D::mnuPrint_Click>(),
        control<&D::mnuClear>("mnuClear"),
        control<&D::mnuClearAll>("mnuClearAll").onClick<&D::mnuClearAll_Click>(),
        control<&D::mnuAdd>("mnuAdd").onClick<&D::mnuAdd_Click>(),
        control<&D::mnuExcel>("mnuExcel").onClick<&D::mnuExcel_Click>(),
    };
    return kTable;
}

void MDIForm1::resetControls() {
    resetToDesign(*this, app());
    Width = FrmYear::kDesignedWidth + kFrameMargin;
    minimized = false;
    maximized = false;
}

void MDIForm1::Form_Load() {
    LoadAnnual(app());
    app().frmYear().show();
    app().frmYearTot().show();
}

void MDIForm1::MDIForm_Activate() { Width = app().frmYear().Width + kFrameMargin; }

void MDIForm1::mnuClose_Click() { closeLedger(app()); }

void MDIForm1::mnuPrint_Click() {
    // A cancelled printer choice prints nothing.
    if (!app().ui().choosePrinter()) return;
    PrintYr(app());
}

void MDIForm1::mnuClearAll_Click() { app().frmYear().ClearAll(); }

void MDIForm1::mnuAdd_Click() {
    app().frmYear().Update();
    AddAnnual(app());
}

void MDIForm1::mnuExcel_Click() {
    if (std::string error = exportLedger(app()); !error.empty()) app().ui().message(error);
}

bool MDIForm1::MDIForm_QueryUnload() {
    if (LedgerClosing) {
        LedgerClosing = false;
        unload();
        return true;
    }
    app().ui().message(kUseCloseInstead);
    return false;
}

void closeLedgerWindows(App& app) {
    app.frmYear().Form_Unload();
    app.frmYearTot().unload();
    app.mdiForm1().unload();
}

void openYearLedger(App& app) {
    closeLedgerWindows(app);
    MDIForm1& frame = app.mdiForm1();
    frame.show();
    frame.minimized = false;
    frame.maximized = false;
    frame.MDIForm_Activate();
    FrmYear& grid = app.frmYear();
    grid.Height = app.profile.Weekly ? FrmYear::kWeeklyHeight : FrmYear::kBiWeeklyOpenHeight;
    app.frmYearTot().Top = grid.Top + grid.Height;
    LoadAnnual(app);
    grid.fillBoxes();
    grid.Update();
    AddAnnual(app);
}

bool closeLedger(App& app) {
    FrmYear& grid = app.frmYear();
    bool saved = true;
    if (app.ui().askYesNo(kSaveYtd, "Save?")) {
        grid.Update();
        AddAnnual(app);
        saved = SaveAnnual(app);
    } else {
        app.form1().show();
    }
    grid.Form_Unload();
    app.frmYearTot().unload();
    MDIForm1& frame = app.mdiForm1();
    frame.LedgerClosing = true;
    frame.MDIForm_QueryUnload();
    return saved;
}

}  // namespace qv
