#include "employee/new_open_save.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "common/file_io.h"
#include "employee/frm_save_user.h"
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

void resetForNewUser(App& app) {
    resetLedger(app);
    closeLedgerWindows(app);
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
    if (LoadFederalTables(app)) app.form1().lbTaxVer = app.federal.FedTableVer;
    LoadAnnual(app);
    LoadStateFile(app);
    DialogState& state = app.dialogState();
    state.ensureLoaded();
    state.CheckFor();
    if (!state.fillVari()) return false;
    OpenCityTables(app);
    OpenNonCityTable(app);
    return true;
}
void showProfileCaptions(App&) {}

}  // namespace

void NewUser(App& app) {
    platform::Ui& ui = app.ui();
    if (ui.askYesNo("........SAVE PREVIOUS USER?", "Save")) {
        app.frmSaveUser().showModal();
        if (app.form1().programEnded) return;
    }
    const std::string previous = app.UserFile;
    const std::string name = ui.inputBox("Enter new user:", "File New");
    if (std::string problem = fileNameProblem(name); !problem.empty()) {
        ui.message("\"" + name + "\" cannot be an employee's name. " + problem);
        return;
    }
    app.UserFile = name;
    app.frmSaveUser().txtSaveUser = name;
    if (fileExists(app.userPath(kUserExt))) {
        ui.message("........" + name + " already exists. Use Open");
        // The existing employee's files must not receive the current values.
        app.UserFile = previous;
        app.frmSaveUser().txtSaveUser = previous;
        return;
    }
    showUserOnSheet(app);
    resetForNewUser(app);
    Clear_All(app);
    applyNewUserPresets(app);
    Calcu_late(app);
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
void closePromptCompanions(App&) {}
void closeCheckWindow(App&) {}
void closeAllWindows(App& app) {
    closeEmployeeWindows(app);
    closePromptCompanions(app);
    app.frmSaveUser().unload();
}

}  // namespace qv
