// The one process-wide state: the records, the current employee, the working
// folder, the platform services and one instance of each window.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "federal/federal_tables.h"
#include "leave/leave_balances.h"
#include "ledger/year_ledger.h"
#include "local/city_tables.h"
#include "local/non_city_table.h"
#include "overtime/overtime_tracker.h"
#include "paysheet/form.h"
#include "paysheet/model.h"
#include "platform/ui.h"
#include "printing/print_heading.h"
#include "state/state_settings.h"

namespace qv {

namespace platform {
class Printer;
class Spreadsheet;
}  // namespace platform

// The windows. Each is created on first use; its accessor is defined beside
// the form itself.
class Form1;          // pay sheet
class FrmTaxInfo;     // employee profile screen
class FrmSaveUser;    // save prompt
class DialogState;    // state tax settings
class DialogCity;     // city tax tables
class DialogNonCity;  // non-resident table
class DialogHeader;   // print heading
class DialogVac;      // leave balances
class MDIForm1;       // ledger frame
class FrmYear;        // ledger grid
class FrmYearTot;     // ledger totals
class FrmChecks;      // check window
class DlgPrintSet;    // printer offsets
class Form2;          // overtime allowance tracker

class App {
public:
    App(platform::Ui& ui, platform::Clock& clock, std::filesystem::path folder);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Records.
    EmployeeProfile profile;
    PayPeriod period;
    FederalTables federal;
    StateTaxSettings state;
    CityTaxTables city;
    NonCityTable nonCity;
    YearLedger ledger;
    PrintHeading heading;
    OvertimeTracker overtime;
    LeaveBalances leave;

    // The current employee's base name; empty names the default files.
    std::string UserFile;
    float DefaultRate = 0;

    // The working folder every employee file resolves against.
    const std::filesystem::path& folder() const { return folder_; }
    void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
    // The employee file `UserFile` + ext in the working folder.
    std::filesystem::path userPath(std::string_view ext) const;
    // Any file name in the working folder.
    std::filesystem::path pathOf(std::string_view name) const { return folder_ / std::string(name); }

    // Platform services.
    platform::Ui& ui() { return ui_; }
    platform::Clock& clock() { return clock_; }
    // The printer the print commands draw on; set by the front end.
    platform::Printer* printer = nullptr;
    // The spreadsheet the export drives; set by the front end.
    platform::Spreadsheet* spreadsheet = nullptr;

    // Windows.
    Form1& form1();
    FrmTaxInfo& frmTaxInfo();
    FrmSaveUser& frmSaveUser();
    DialogState& dialogState();
    DialogCity& dialogCity();
    DialogNonCity& dialogNonCity();
    DialogHeader& dialogHeader();
    DialogVac& dialogVac();
    MDIForm1& mdiForm1();
    FrmYear& frmYear();
    FrmYearTot& frmYearTot();
    FrmChecks& frmChecks();
    DlgPrintSet& dlgPrintSet();
    Form2& form2();

    // Creates a form slot on first use.
    template <class F>
    F& formIn(std::shared_ptr<F>& slot) {
        if (!slot) {
            slot = std::make_shared<F>(*this);
            created_.push_back(slot.get());
        }
        return *slot;
    }
    // Every form made so far, in the order they were made; walking them
    // neither makes nor loads one (the desktop follows them after each event).
    const std::vector<Form*>& createdForms() const { return created_; }

private:
    platform::Ui& ui_;
    platform::Clock& clock_;
    std::filesystem::path folder_;

    // shared_ptr keeps the forms' types out of this header.
    std::shared_ptr<Form1> form1_;
    std::shared_ptr<FrmTaxInfo> frmTaxInfo_;
    std::shared_ptr<FrmSaveUser> frmSaveUser_;
    std::shared_ptr<DialogState> dialogState_;
    std::shared_ptr<DialogCity> dialogCity_;
    std::shared_ptr<DialogNonCity> dialogNonCity_;
    std::shared_ptr<DialogHeader> dialogHeader_;
    std::shared_ptr<DialogVac> dialogVac_;
    std::shared_ptr<MDIForm1> mdiForm1_;
    std::shared_ptr<FrmYear> frmYear_;
    std::shared_ptr<FrmYearTot> frmYearTot_;
    std::shared_ptr<FrmChecks> frmChecks_;
    std::shared_ptr<DlgPrintSet> dlgPrintSet_;
    std::shared_ptr<Form2> form2_;
    std::vector<Form*> created_;

};

}  // namespace qv
