#include "paysheet/calculate.h"

#include <cmath>
#include <optional>
#include <string>

#include "common/format.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "employee/frm_save_user.h"
#include "federal/federal_files.h"
#include "federal/federal_tables.h"
#include "local/dialog_city.h"
#include "state/dialog_state.h"
#include "state/state_method_table.h"
#include "paysheet/pay_calculation.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"

namespace qv {

namespace {

constexpr double kLargestAmount = 1e9;

float boxSingle(const std::string& text) { return convertSingle(text).value_or(0.0f); }

bool loadFederal(App& app) {
    const bool loaded = LoadFederalTables(app);
    app.form1().lbTaxVer = app.federal.FedTableVer;
    return loaded;
}

// An exemption count outside 0 to 9 picks no allowance: the period is taxed
// without one, which the user must be told.
bool exemptionsInRange(App& app) {
    const bool fed = app.profile.FedExempt == 1 || allowanceEntry(valueOf(app.profile.FedExemptions));
    return fed && allowanceEntry(app.profile.StateExemptions);
}

// Every calculation runs on what was last saved: each settings dialog runs
// its opening sequence afresh (the files read again, the chosen state's
// preset applied, the boxes copied into the record). A dialog the user has
// open beside the pay sheet is taken as it stands, so what was typed there
// counts for this period.
void reopenHidden(Form& dialog) {
    if (dialog.visible) return;
    dialog.unload();
    dialog.ensureLoaded();
}
void prepareSettings(App& app) {
    reopenHidden(app.dialogCity());
    reopenHidden(app.dialogState());
}
void closeSettings(App& app) {
    app.dialogCity().unload();
    app.dialogState().unload();
}

// The amount boxes into the period; a box whose value is 0 shows "0".
void readAmountBoxes(Form1& sheet, PayPeriod& p) {
    for (auto& box : sheet.txtAmount)
        if (valueOf(box) == 0) box = "0";
    p.StrHrs = boxSingle(sheet.txtAmount[0]);
    p.StrHrs2 = boxSingle(sheet.txtAmount[1]);
    p.OtVar = boxSingle(sheet.txtAmount[2]);
    p.OtHrs = boxSingle(sheet.txtAmount[3]);
    p.Avas = boxSingle(sheet.txtAmount[4]);
    p.VacDys = boxSingle(sheet.txtAmount[5]);
    p.Addit = Currency::checkedFromDouble(convertNumber(sheet.txtAmount[6]).value_or(0)).value_or(Currency());
    p.TipsHrs = boxSingle(sheet.txtAmount[7]);
}

// The state methods, then what the state dialog says: its blank boxes become
// "0", and the adjustment and "California Exempt Allowance" as typed there
// (a text that is not a number leaves the saved figure) count for this period.
StateStepResult stateStep(App& app) {
    RunStateMethods(app);
    FillBlankStateFields(app);
    DialogState& d = app.dialogState();
    StateTaxSettings& s = app.state;
    if (auto v = convertSingle(d.txtStateAdj)) s.StateAdj = *v;
    if (auto v = convertSingle(d.txtCalAllow)) s.CalAllow = *v;
    return {{d.ckSDI == 1, d.ckSUI == 1}, d.ckRoundOff == 1};
}

void showResults(App& app) {
    const PayPeriod& p = app.period;
    const EmployeeProfile& e = app.profile;
    Form1& sheet = app.form1();
    if (p.TaxableWages != 0) sheet.lbGross = formatNumber(p.GrossPay, kFmtDollar);
    sheet.lbTaxDed[0] = formatNumber(p.FedTax, kFmtAmount);
    sheet.lbTaxDed[1] = formatNumber(p.SocSec, kFmtAmount);
    sheet.lbTaxDed[2] = formatNumber(p.Medicare, kFmtAmount);
    sheet.lbTaxDed[3] = p.StateTax.format(kFmtAmount);
    sheet.lbTaxDed[4] = p.LocalTax.format(kFmtAmount);
    sheet.lbTaxDed[5] = formatNumber(e.CrUnion, kFmtAmount);
    sheet.lbTaxDed[6] = formatNumber(e.Bond, kFmtAmount);
    sheet.lbTaxDed[7] = formatNumber(e.Dues, kFmtAmount);
    sheet.lbTaxDed[8] = formatNumber(p.PensionAmt, kFmtAmount);
    sheet.lbTaxDed[9] = formatNumber(e.HealthIns, kFmtAmount);
    sheet.lbTaxDed[10] = formatNumber(p.KPlanAmt, kFmtAmount);
    sheet.lbSDI = formatNumber(p.SdiAmt, kFmtAmount);
    sheet.lbSUI = formatNumber(p.SuiAmt, kFmtAmount);
    sheet.lbCafe = formatNumber(p.CafeAmt, kFmtAmount);
    sheet.lbTaxes = p.TaxDeduct.format(kFmtDollar);
    sheet.lbDeduct = p.TotDeduct.format(kFmtDollar);
    sheet.lbNet = formatNumber(p.NetPay, kFmtDollar);
    sheet.lbOverT = formatNumber(p.TotalOt, kFmtDollar);
    sheet.lbTips = formatNumber(p.TotalTips, kFmtDollar);
}

}  // namespace

bool amountBoxesAreNumbers(App& app) {
    for (const std::string& text : app.form1().txtAmount) {
        if (valueOf(text) == 0) continue;  // becomes "0" before it is read
        auto v = convertNumber(text);
        // Beyond a billion no pay period makes sense, and the sums would leave
        // the range of the currency type.
        if (!v || std::fabs(*v) > kLargestAmount) return false;
    }
    // The adjustment and the allowance are read from the state settings
    // while they are open; an unopened dialog reads them from its file.
    DialogState& d = app.dialogState();
    for (const std::string* box : {&d.txtStateAdj, &d.txtCalAllow}) {
        const bool blank = box->find_first_not_of(" \t") == std::string::npos;
        if (d.loaded && !blank && !convertSingle(*box)) return false;
    }
    return true;
}

bool computePayPeriod(App& app) {
    if (!amountBoxesAreNumbers(app)) return false;
    Form1& sheet = app.form1();
    for (auto& line : sheet.lbTaxDed) line.clear();
    readAmountBoxes(sheet, app.period);
    const PayRecords records{app.profile, app.federal,       app.state,      app.city,
                             app.nonCity, app.ledger.TotGross, app.DefaultRate};
    if (!calculatePay(records, !sheet.opt1x, [&app](PayPeriod&) { return stateStep(app); }, app.period))
        return false;
    showResults(app);
    CleartxtBox(app);
    return true;
}

CalcOutcome Calcu_late(App& app) {
    // Nothing may change when a box does not hold a number.
    if (!amountBoxesAreNumbers(app)) {
        app.ui().message(kNonNumeric);
        return CalcOutcome::Refused;
    }
    // A settings file found damaged on the way means the period was worked
    // out on other settings than the employee's.
    const std::size_t damagedBefore = app.damagedFilesSeen();
    app.period.clearResults();
    app.period.CafeAmt = app.profile.Cafe;
    app.form1().clearResultLabels();
    bool complete = loadFederal(app);
    prepareSettings(app);
    if (!computePayPeriod(app)) {
        // Nothing computed is saved: the files keep the last good period.
        app.federal.clearNumbers();
        closeSettings(app);
        app.ui().message(kNonNumeric);
        return CalcOutcome::Refused;
    }
    if (app.damagedFilesSeen() != damagedBefore) complete = false;
    if (!exemptionsInRange(app)) {
        app.ui().message(kExemptionsOutOfRange);
        complete = false;
    }
    // The tables in memory are always the file's as of the last calculation.
    app.federal.clearNumbers();
    if (!app.frmSaveUser().cmdSaveUser_Click()) complete = false;
    closeSettings(app);
    return complete ? CalcOutcome::Done : CalcOutcome::Incomplete;
}

void Clear_All(App& app) {
    Form1& sheet = app.form1();
    for (auto& box : sheet.txtAmount) box.clear();
    for (auto& line : sheet.lbTaxDed) line.clear();
    sheet.lbSDI.clear();
    sheet.lbSUI.clear();
    sheet.lbCafe.clear();
    app.period.clearResults();
    app.state.StateAdj = 0;
    sheet.clearResultLabels();
    sheet.txtWeek = shortDate(app.clock().today());
}

void FillBlankStateFields(App& app) {
    DialogState& d = app.dialogState();
    d.ensureLoaded();
    for (std::string* box : {&d.txtSDIpercent, &d.txtSDIwageBase, &d.txtStateAdj, &d.txtCalAllow, &d.txtSUIpercent,
                             &d.txtSUIwageBase})
        if (box->empty()) *box = "0";
}

void CleartxtBox(App& app) {
    for (auto& box : app.form1().txtAmount)
        if (valueOf(box) == 0) box.clear();
}

}  // namespace qv
