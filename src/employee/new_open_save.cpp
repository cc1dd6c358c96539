#include "employee/new_open_save.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "common/file_io.h"
#include "employee/frm_save_user.h"
#include "employee/profile_files.h"
#include "leave/leave_balances.h"
#include "federal/federal_tables.h"
#include "ledger/frm_year.h"
#include "ledger/mdi_form1.h"
#include "ledger/year_ledger.h"
#include "local/city_tables.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "local/non_city_table.h"
#include "state/dialog_state.h"
#include "state/state_settings.h"
#include "paysheet/app.h"
#include "paysheet/calculate.h"
#include "paysheet/form1.h"
#include "employee/frm_tax_info.h"
#include "leave/dialog_vac.h"
#include "ledger/frm_year_tot.h"
#include "overtime/form2.h"
#include "printing/frm_checks.h"

namespace qv {

namespace {

constexpr std::string_view kUserExt = ".use";

bool endsWithUse(const std::string& name) {
    if (name.size() < kUserExt.size()) return false;
    std::string tail = name.substr(name.size() - kUserExt.size());
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == kUserExt;
}

void showUserOnSheet(App& app) {
    Form1& sheet = app.form1();
    sheet.Caption = "  User:  " + app.UserFile;
    sheet.lbUser = app.UserFile;
    sheet.show();
}

// The other parts of an employee, reset, loaded and shown.
void resetLedger(App& app) { app.frmYear().ClearAll(); }

// A new employee starts from nothing: the overtime rows, the leave log, the
// pay sheet, the ledger and the profile are reset, and their windows closed.
void resetForNewUser(App& app) {
    app.form2().ClearAll();
    app.form2().unload();
    app.dialogVac().clearVac();
    app.dialogVac().unload();
    Clear_All(app);
    resetLedger(app);
    closeLedgerWindows(app);
    app.frmTaxInfo().ClearAll();
    app.frmTaxInfo().unload();
    closeCheckWindow(app);
    // The previous employee's non-resident table must not become the new one's.
    app.dialogNonCity().unload();
    app.nonCity = DefaultNonCityTable();
}
void applyNewUserPresets(App& app) {
    DialogState& state = app.dialogState();
    state.ensureLoaded();
    state.cmdDefault_Click();
    state.unload();
    DialogCity& city = app.dialogCity();
    city.ensureLoaded();
    city.cmdDefault_Click();
    city.unload();
}
bool loadEmployeeFiles(App& app) {
    if (!LoadProfile(app)) return false;
    if (LoadFederalTables(app)) app.form1().lbTaxVer = app.federal.FedTableVer;
    LoadAnnual(app);
    LoadStateFile(app);
    DialogState& state = app.dialogState();
    state.ensureLoaded();
    state.CheckFor();
    if (!state.fillVari()) return false;
    OpenCityTables(app);
    OpenNonCityTable(app);
    if (!app.dialogVac().GetVac()) return false;
    app.form2().FillInOT();
    return true;
}
// The profile screen shows the opened profile (its K plan boxes among it) and
// the pay sheet takes its deduction captions.
void showProfileCaptions(App& app) {
    FrmTaxInfo& screen = app.frmTaxInfo();
    screen.ensureLoaded();
    screen.showProfile();
    screen.showDeductionCaptions();
}

}  // namespace

bool NewUser(App& app) {
    platform::Ui& ui = app.ui();
    if (ui.askYesNo("........SAVE PREVIOUS USER?", "Save")) {
        app.frmSaveUser().showModal();
        if (app.form1().programEnded) return false;
    }
    const std::string previous = app.UserFile;
    const std::string name = ui.inputBox("Enter new user:", "File New");
    if (std::string problem = fileNameProblem(name); !problem.empty()) {
        ui.message("\"" + name + "\" cannot be an employee's name. " + problem);
        return false;
    }
    app.UserFile = name;
    app.frmSaveUser().txtSaveUser = name;
    if (fileExists(app.userPath(kUserExt))) {
        ui.message("........" + name + " already exists. Use Open");
        // The existing employee's files must not receive the current values.
        app.UserFile = previous;
        app.frmSaveUser().txtSaveUser = previous;
        return false;
    }
    showUserOnSheet(app);
    resetForNewUser(app);
    applyNewUserPresets(app);
    return Calcu_late(app) == CalcOutcome::Done;
}

bool OpenUser(App& app) {
    app.frmSaveUser().showModal();
    if (app.form1().programEnded) return false;
    resetLedger(app);
    bool opened = OpenFile(app);
    closeLedgerWindows(app);
    return opened;
}

bool OpenFile(App& app) {
    auto chosen = app.ui().openFile("Open", "Saved Files (*.use)|*.use", app.folder());
    if (!chosen) {
        app.UserFile.clear();
        return false;
    }
    const std::string fileName = chosen->filename().string();
    if (!endsWithUse(fileName)) {
        app.ui().message("\"" + fileName + "\" is not an employee's file (*.use).");
        return false;
    }
    if (chosen->has_parent_path()) app.setFolder(chosen->parent_path());
    app.UserFile = fileName.substr(0, fileName.size() - kUserExt.size());
    if (!loadEmployeeFiles(app)) return false;
    showUserOnSheet(app);
    app.frmSaveUser().txtSaveUser = app.UserFile;
    showProfileCaptions(app);
    Clear_All(app);
    return true;
}

void SaveUser(App& app) { app.frmSaveUser().showModal(); }

void ExitProgram(App& app) {
    if (app.ui().askYesNo("     SAVE USER'S SETTINGS?", "Save")) {
        app.frmSaveUser().showModal();
        if (app.form1().programEnded) return;
    }
    closeAllWindows(app);
    Form1& sheet = app.form1();
    sheet.programEnded = true;
    sheet.hide();
}

bool saveEmployeeFiles(App& app) {
    if (!SaveOT(app)) return false;
    if (!saveLeaveFile(app)) return false;
    if (!SaveStateFile(app)) return false;
    if (!SaveCityTables(app)) return false;
    if (!SaveNonCityTable(app)) return false;
    return true;
}
void closeEmployeeWindows(App& app) {
    closeLedgerWindows(app);
    app.dialogState().unload();
    app.dialogCity().unload();
    app.dialogNonCity().unload();
}
void closePromptCompanions(App& app) {
    app.frmYearTot().unload();
    app.frmTaxInfo().unload();
    closeCheckWindow(app);
}
void closeCheckWindow(App& app) { app.frmChecks().unload(); }
void closeAllWindows(App& app) {
    closeEmployeeWindows(app);
    closePromptCompanions(app);
    app.frmSaveUser().unload();
}

}  // namespace qv
