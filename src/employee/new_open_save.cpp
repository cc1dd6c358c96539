#include "employee/new_open_save.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "common/file_io.h"
#include "common/messages.h"
#include "common/record_line.h"
#include "employee/frm_save_user.h"
#include "employee/profile_files.h"
#include "federal/federal_files.h"
#include "leave/leave_balances.h"
#include "federal/federal_tables.h"
#include "ledger/frm_year.h"
#include "ledger/mdi_form1.h"
#include "ledger/year_files.h"
#include "ledger/year_ledger.h"
#include "local/city_files.h"
#include "local/city_tables.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "local/non_city_files.h"
#include "local/non_city_table.h"
#include "state/dialog_state.h"
#include "state/state_files.h"
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

// The other parts of an employee, reset, loaded and shown. The whole year
// goes: the new employee's frequency may show rows the previous one's hid.
void resetLedger(App& app) { app.frmYear().clearWholeYear(); }

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
    // The sheet's deduction captions are the new employee's.
    const EmployeeProfile& p = app.profile;
    auto& captions = app.form1().lbTaxTag;
    captions[5] = p.DedName5;
    captions[6] = p.DedName6;
    captions[7] = p.DedName7;
    captions[8] = p.DedName8;
    captions[9] = p.DedName9;
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
    if (!LoadAnnual(app)) return false;
    if (!LoadStateFile(app)) return false;
    DialogState& state = app.dialogState();
    state.ensureLoaded();
    state.CheckFor();
    if (!state.fillVari()) return false;
    if (!OpenCityTables(app)) return false;
    if (!OpenNonCityTable(app)) return false;
    if (!app.dialogVac().GetVac()) return false;
    app.form2().FillInOT();
    return true;
}

// Reads `folder`/`name` + ext with `read` when the file exists. Returns the
// file's name when it exists but cannot be read to its end, else nothing.
template <class Read>
std::optional<std::string> unreadable(const std::filesystem::path& folder, const std::string& name,
                                      std::string_view ext, Read read) {
    const std::string fileName = name + std::string(ext);
    const std::filesystem::path path = folder / fileName;
    if (!fileExists(path)) return std::nullopt;
    auto content = readWholeFile(path);
    if (!content) return fileName;
    try {
        read(*content, fileName);
    } catch (const RecordReadError&) {
        return fileName;
    }
    return std::nullopt;
}

// Reads every file of the employee `name` in `folder` without keeping
// anything, so that an employee whose files cannot all be read is refused
// before anything of the current employee changes. Returns the name of the
// first file that exists but cannot be read.
std::optional<std::string> firstUnreadableFile(const App& app, const std::filesystem::path& folder,
                                               const std::string& name) {
    ProfileFileSet set{app.profile, app.overtime, app.state};
    if (auto f = unreadable(folder, name, ".use",
                            [&](std::string_view c, const std::string& n) { readUseFile(c, n, set); }))
        return f;
    if (auto f = unreadable(folder, name, ".and",
                            [&](std::string_view c, const std::string& n) { readAndFile(c, n, set); }))
        return f;
    if (auto f = unreadable(folder, name, ".cfe",
                            [&](std::string_view c, const std::string& n) { readCfeFile(c, n, set); }))
        return f;
    // The frequency just read picks the overtime and year files.
    const bool weekly = set.profile.Weekly;
    if (auto f = unreadable(folder, name, overtimeExt(weekly), [&](std::string_view c, const std::string& n) {
            RecordReader in(c, n, overtimeRowsLayout(weekly));
            readOvertimeRows(in, set.overtime, weekly);
        }))
        return f;
    if (auto f = unreadable(folder, name, weekly ? ".yrw" : ".yrb", [&](std::string_view c, const std::string& n) {
            YearLedger ledger = app.ledger;
            readYearLedgerText(c, n, weekly, ledger);
        }))
        return f;
    if (auto f = unreadable(folder, name, ".sta", [&](std::string_view c, const std::string& n) {
            StateTaxSettings state = app.state;
            readStateFileText(c, n, state, set.profile);
        }))
        return f;
    if (auto f = unreadable(folder, name, ".cti", [&](std::string_view c, const std::string& n) {
            CityTaxTables city = app.city;
            readCityTables(c, n, city);
        }))
        return f;
    if (auto f = unreadable(folder, name, ".nci",
                            [&](std::string_view c, const std::string& n) { parseNonCityTable(c, n); }))
        return f;
    return unreadable(folder, name, ".hol", [&](std::string_view c, const std::string& n) { readLeaveFile(c, n); });
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
    if (ui.askYesNo(kSavePreviousUser, "Save")) {
        app.frmSaveUser().showModal();
        if (app.form1().programEnded) return false;
    }
    const std::string previous = app.UserFile;
    const std::string name = ui.inputBox("Enter new user:", "File New");
    // No name (the box cancelled) starts no new employee.
    if (name.empty()) return false;
    if (std::string problem = fileNameProblem(name); !problem.empty()) {
        ui.message(notAnEmployeeNameMessage(name, problem));
        return false;
    }
    app.UserFile = name;
    app.frmSaveUser().txtSaveUser = name;
    if (fileExists(app.userPath(kUserExt))) {
        ui.message(employeeExistsMessage(name));
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
    if (!OpenFile(app)) return false;
    closeLedgerWindows(app);
    return true;
}

bool OpenFile(App& app) {
    auto chosen = app.ui().openFile("Open", "Saved Files (*.use)|*.use", app.folder());
    // A cancelled choice leaves the current employee open and untouched:
    // with the name emptied, the next calculation would write this
    // employee's values into the default files.
    if (!chosen) return false;
    const std::string fileName = chosen->filename().string();
    if (!endsWithUse(fileName)) {
        app.ui().message(notAnEmployeeFileMessage(fileName));
        return false;
    }
    const std::filesystem::path folder = chosen->has_parent_path() ? chosen->parent_path() : app.folder();
    const std::string name = fileName.substr(0, fileName.size() - kUserExt.size());
    // The current employee stays open, untouched, unless the other one can be
    // read whole: otherwise the next calculation would write this employee's
    // values into the other one's files.
    if (auto bad = firstUnreadableFile(app, folder, name)) {
        app.ui().message(corruptFileMessage(*bad));
        return false;
    }
    resetLedger(app);
    app.setFolder(folder);
    app.UserFile = name;
    if (!loadEmployeeFiles(app)) return false;
    showUserOnSheet(app);
    app.frmSaveUser().txtSaveUser = app.UserFile;
    showProfileCaptions(app);
    Clear_All(app);
    return true;
}

void SaveUser(App& app) { app.frmSaveUser().showModal(); }

void ExitProgram(App& app) {
    if (app.ui().askYesNo(kSaveUserSettings, "Save")) {
        app.frmSaveUser().showModal();
        if (app.form1().programEnded) return;
    }
    closeAllWindows(app);
    Form1& sheet = app.form1();
    sheet.programEnded = true;
    sheet.hide();
}

namespace {
// The leave window's boxes are the working copy of the log while it is
// loaded: what was typed there is saved, "Save" pressed or not.
bool saveLeave(App& app) {
    DialogVac& window = app.dialogVac();
    return window.loaded ? window.SaveVac() : saveLeaveFile(app);
}
}  // namespace

bool saveEmployeeFiles(App& app) {
    if (!SaveOT(app)) return false;
    if (!saveLeave(app)) return false;
    if (!SaveStateFile(app)) return false;
    if (!SaveCityTables(app)) return false;
    if (!SaveNonCityTable(app)) return false;
    return true;
}
void closeEmployeeWindows(App& app) {
    closeLedgerWindows(app);
    app.form2().unload();
    app.dialogVac().unload();
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
