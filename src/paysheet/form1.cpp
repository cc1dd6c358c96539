#include "paysheet/form1.h"

#include "common/date.h"
#include "common/key_filter.h"
#include "employee/frm_save_user.h"
#include "employee/new_open_save.h"
#include "federal/federal_files.h"
#include "federal/federal_tables.h"
#include "state/dialog_state.h"
#include "employee/saved_period.h"
#include "paysheet/app.h"
#include "paysheet/calculate.h"
#include "employee/frm_tax_info.h"
#include "leave/dialog_vac.h"
#include "ledger/mdi_form1.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "overtime/form2.h"
#include "platform/printer.h"
#include "printing/frm_checks.h"
#include "printing/pay_stub.h"
#include "printing/print_heading.h"
#include "shell/frm_about_spcl.h"
#include "shell/frm_date_main.h"
#include "shell/help.h"

namespace qv {

namespace {
void startUpFederal(App& app) { LoadFederalTables(app); }
// The state settings are prepared as their dialog does when it opens,
// without showing it.
void startUpSettings(App& app, Form1& sheet) {
    app.dialogState().ensureLoaded();
    if (app.state.UseLouis == 1) sheet.ckLouisPriorVisible = true;
}
// The profile screen is prepared hidden: its opening fills in the defaults a
// profile lacks (weekly, single, the deduction captions) and writes the
// profile files back, and the sheet takes its deduction captions.
void startUpProfile(App& app) {
    FrmTaxInfo& screen = app.frmTaxInfo();
    screen.ensureLoaded();
    screen.showDeductionCaptions();
}
}  // namespace

Form1& App::form1() {
    Form1& f = formIn(form1_);
    // The pay sheet is the first window: touching it runs its start-up.
    f.ensureLoaded();
    return f;
}

Form1::Form1(App& app) : Form(app) {
    for (std::size_t i = 0; i < lbTaxTag.size(); ++i) lbTaxTag[i] = std::string(kTaxTagCaptions[i]);
}

std::span<const Control> Form1::controls() {
    static constexpr Control kTable[] = {
        control<&Form1::Caption>("Caption").title(),
        // Hours
        control<&Form1::txtAmount>("txtAmount")
            .tip("Enter")
            .onKeyPress<&Form1::txtAmount_KeyPress>()
            .onKeyDown<&Form1::txtAmount_KeyDown>()
            .onGotFocus<&Form1::txtAmount_GotFocus>()
            .selectsAll(),
        control<&Form1::opt1x>("opt1x").caption(kOpt1xCaption),
        control<&Form1::opt2x>("opt2x").caption(kOpt2xCaption),
        // CLEAR, ADD
        command<&Form1::cmdClear_Click>("cmdClear").tip("Clear"),
        command<&Form1::cmdCal_Click>("cmdCal"),
        control<&Form1::lbOverT>("lbOverT"),
        control<&Form1::lbTips>("lbTips"),
        // Results
        control<&Form1::lbGross>("lbGross"),
        control<&Form1::lbTaxes>("lbTaxes"),
        control<&Form1::lbDeduct>("lbDeduct"),
        control<&Form1::lbNet>("lbNet"),
        // Taxes/Deductions
        control<&Form1::lbTaxDed>("lbTaxDed"),
        control<&Form1::lbTaxTag>("lbTaxTag"),
        control<&Form1::lbSDI>("lbSDI"),
        control<&Form1::lbSUI>("lbSUI"),
        control<&Form1::lbCafe>("lbCafe"),
        // The button frame
        command<&Form1::Command1_Click>("Command1").tip("Vacation"),
        command<&Form1::cmdYear_Click>("cmdYear").tip("Year to Date"),
        command<&Form1::cmdPrint_Click>("cmdPrint").tip("Print"),
        command<&Form1::cmdOT_Click>("cmdOT").tip("OverTime"),
        // Pay date, employee, federal tables
        control<&Form1::txtWeek>("txtWeek").tip("Click for Date change").onClick<&Form1::txtWeek_Click>(),
        control<&Form1::lbUser>("lbUser"),
        control<&Form1::lbTaxVer>("lbTaxVer"),
        control<&Form1::lbTableNotice>("lbTableNotice"),
        // Saved periods, the state option
        command<&Form1::cmdSavePrev_Click>("cmdSavePrev").caption(kSavePrevCaption),
        command<&Form1::cmdPeriod_Click>("cmdPeriod").caption(kPeriodCaption),
        control<&Form1::ckLouisPrior>("ckLouisPrior")
            .caption(kLouisPriorCaption)
            .tip("Check if calculating prior to April 1st 2005")
            .visibleBy<&Form1::ckLouisPriorVisible>(),
        // Menus
        command<&Form1::mnuNew_Click>("mnuNew").caption("&New").inMenu("File"),
        command<&Form1::mnuOpen_Click>("mnuOpen").caption("&Open").inMenu("File"),
        command<&Form1::mnuSave_Click>("mnuSave").caption("&Save").inMenu("File"),
        rule("File"),
        command<&Form1::mnuChecks_Click>("mnuChecks").caption("C&hecks").inMenu("File"),
        rule("File"),
        command<&Form1::mnuPrintSheet_Click>("mnuPrintSheet").caption("Print Sheet").inMenu("File"),
        command<&Form1::mnuPrintImage_Click>("mnuPrintImage").caption("&Print Image").inMenu("File"),
        rule("File"),
        command<&Form1::mnuClear_Click>("mnuClear").caption("&Clear").inMenu("File"),
        command<&Form1::mnuExitItem_Click>("mnuExitItem").caption("E&xit").inMenu("File"),
        command<&Form1::mnuVacation_Click>("mnuVacation").caption("&Vacation").inMenu("Forms"),
        command<&Form1::mnuOT_Click>("mnuOT").caption("OT %").inMenu("Forms"),
        command<&Form1::mnuYear_Click>("mnuYear").caption("&Year to Date").inMenu("Forms"),
        command<&Form1::mnuHeader_Click>("mnuHeader").caption("H&eader").inMenu("Options"),
        rule("Options"),
        command<&Form1::mnuUserInfo_Click>("mnuUserInfo").caption("&User Info").inMenu("Options"),
        rule("Options"),
        command<&Form1::mnuStateTax_Click>("mnuState").caption("S&tate Tax").inMenu("Options"),
        command<&Form1::mnuCityTax_Click>("mnuCityTax").caption("C&ity Tax").inMenu("Options"),
        command<&Form1::mnuNonCity_Click>("mnuNonCity").caption("Non City Tax").inMenu("Options"),
        command<&Form1::mnuHelp_Click>("mnuHelp").caption("He&lp").inMenu("Help"),
        rule("Help"),
        command<&Form1::mnuAbout_Click>("mnuAbout").caption("&About").inMenu("Help"),
    };
    return kTable;
}

void Form1::resetControls() {
    resetToDesign(*this, app());
    amountFocus = 0;
    amountTextSelected = false;
    programEnded = false;
}

void Form1::clearResultLabels() {
    lbGross.clear();
    lbNet.clear();
    lbTaxes.clear();
    lbDeduct.clear();
    lbOverT.clear();
    lbTips.clear();
}

void Form1::Form_Load() {
    App& a = app();
    // 1.
    startUpFederal(a);
    // 2.
    txtWeek = shortDate(a.clock().today());
    // 3.
    a.DefaultRate = 7.5f;
    a.period.clearResults();
    // 4.
    clearResultLabels();
    // 5.
    lbTaxVer = a.federal.FedTableVer;
    // 6.
    startUpSettings(a, *this);
    // 7.
    startUpProfile(a);
}

char Form1::txtAmount_KeyPress(int index, char key) {
    if (key == kKeyEnter) {
        moveAmountFocus(index == 7 ? 0 : index + 1);
        return 0;
    }
    return numericKeyAccepted(key) ? key : 0;
}

void Form1::txtAmount_KeyDown(int index, int keyCode) {
    if (keyCode == kKeyDown && index < 7) moveAmountFocus(index + 1);
    if (keyCode == kKeyUp && index > 0) moveAmountFocus(index - 1);
}

void Form1::txtAmount_GotFocus(int index) {
    amountFocus = index;
    amountTextSelected = true;
}

void Form1::moveAmountFocus(int index) { txtAmount_GotFocus(index); }

CalcOutcome Form1::cmdCal_Click() {
    const CalcOutcome outcome = Calcu_late(app());
    txtAmount_GotFocus(0);
    return outcome;
}

void Form1::cmdClear_Click() { Clear_All(app()); }
void Form1::mnuClear_Click() { Clear_All(app()); }

void Form1::mnuNew_Click() { NewUser(app()); }
void Form1::mnuOpen_Click() { OpenUser(app()); }
void Form1::mnuSave_Click() { SaveUser(app()); }
void Form1::mnuExitItem_Click() { ExitProgram(app()); }
void Form1::Form_Unload() { ExitProgram(app()); }

bool Form1::cmdSavePrev_Click() { return SavePayPeriod(app()); }
bool Form1::cmdPeriod_Click() { return GetPayPeriod(app()); }

void Form1::mnuChecks_Click() { app().frmChecks().show(); }
void Form1::cmdPrint_Click() { printPayStubCommand(app()); }
void Form1::mnuPrintSheet_Click() { printPayStubCommand(app()); }

void Form1::mnuPrintImage_Click() {
    App& a = app();
    if (!a.ui().choosePrinter() || !a.printer) return;
    a.printer->printWindowImage("Form1");
}

void Form1::Command1_Click() { app().dialogVac().open(); }
void Form1::mnuVacation_Click() { app().dialogVac().open(); }
void Form1::cmdOT_Click() { openOvertimeTracker(app()); }
void Form1::mnuOT_Click() { openOvertimeTracker(app()); }
void Form1::cmdYear_Click() { openYearLedger(app()); }
void Form1::mnuYear_Click() { openYearLedger(app()); }
void Form1::mnuHeader_Click() { app().dialogHeader().show(); }
void Form1::mnuUserInfo_Click() { app().frmTaxInfo().open(); }
void Form1::mnuStateTax_Click() { app().dialogState().ShowFromMenu(); }
void Form1::mnuCityTax_Click() { app().dialogCity().show(); }
void Form1::mnuNonCity_Click() { app().dialogNonCity().show(); }

void Form1::txtWeek_Click() { app().frmDateMain().open(); }
void Form1::mnuHelp_Click() { showHelp(app(), platform::HelpTopic::Default); }
void Form1::mnuAbout_Click() { app().frmAboutSpcl().open(); }

}  // namespace qv
