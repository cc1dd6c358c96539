#include "paysheet/form1.h"

#include "common/date.h"
#include "common/key_filter.h"
#include "employee/frm_save_user.h"
#include "employee/new_open_save.h"
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

Form1::Form1(App& app) : Form(app) { resetControls(); }

void Form1::resetControls() {
    Caption = std::string(kTitle);
    for (auto& box : txtAmount) box.clear();
    opt1x = true;
    opt2x = false;
    lbGross.clear();
    lbTaxes.clear();
    lbDeduct.clear();
    lbNet.clear();
    lbOverT.clear();
    lbTips.clear();
    for (auto& line : lbTaxDed) line.clear();
    for (std::size_t i = 0; i < lbTaxTag.size(); ++i) lbTaxTag[i] = std::string(kTaxTagCaptions[i]);
    lbSDI.clear();
    lbSUI.clear();
    lbCafe.clear();
    txtWeek.clear();
    lbUser = std::string(kUserLabel);
    lbTaxVer.clear();
    lbTableNotice.clear();
    ckLouisPrior = 0;
    ckLouisPriorVisible = false;
    amountFocus = 0;
    amountTextSelected = false;
    programEnded = false;
}

void Form1::Form_Load() {
    App& a = app();
    // 1.
    startUpFederal(a);
    // 2.
    txtWeek = shortDate(a.clock().today());
    // 3.
    a.DefaultRate = 7.5f;
    PayPeriod& p = a.period;
    p.TaxableWages = 0;
    p.NetPay = 0;
    p.FedTax = 0;
    p.SdiAmt = 0;
    p.SuiAmt = 0;
    p.StateTax = NumOrText(0.0f);
    p.LocalTax = NumOrText(0.0f);
    p.TaxDeduct = NumOrText(0.0f);
    p.TotDeduct = NumOrText(0.0f);
    // 4.
    lbGross.clear();
    lbNet.clear();
    lbTaxes.clear();
    lbDeduct.clear();
    lbOverT.clear();
    lbTips.clear();
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
