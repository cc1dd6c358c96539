#include "paysheet/calculate.h"

#include <cmath>
#include <optional>
#include <string>

#include "common/format.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "employee/frm_save_user.h"
#include "federal/federal_tables.h"
#include "federal/federal_withholding.h"
#include "local/dialog_city.h"
#include "state/dialog_state.h"
#include "state/generic_state_tax.h"
#include "local/local_tax.h"
#include "paysheet/app.h"
#include "paysheet/fica.h"
#include "paysheet/form1.h"

namespace qv {

namespace {

constexpr double kLargestAmount = 1e9;

// Gross pay is summed in currency; a sum that leaves its range refuses the
// calculation rather than wrapping round.
struct GrossSum {
    std::optional<Currency> sum = Currency();
    void add(std::optional<Currency> v) {
        sum = sum && v ? Currency::checkedAdd(*sum, *v) : std::nullopt;
    }
    void add(long double v) { add(Currency::checkedFromDouble(v)); }
};

// Step 1: every result the calculation builds up starts again from 0.
void resetResults(App& app) {
    PayPeriod& p = app.period;
    p.TaxableWages = 0;
    p.NetPay = 0;
    p.FedTax = 0;
    p.SocSec = 0;
    p.Medicare = 0;
    p.SdiAmt = 0;
    p.SuiAmt = 0;
    p.SdiYtdWages = 0;
    p.SuiYtdWages = 0;
    p.StateTax = NumOrText(0.0f);
    p.LocalTax = NumOrText(0.0f);
    p.TaxDeduct = NumOrText(0.0f);
    p.TotDeduct = NumOrText(0.0f);
    p.CafeAmt = app.profile.Cafe;
    Form1& sheet = app.form1();
    sheet.lbGross.clear();
    sheet.lbNet.clear();
    sheet.lbTaxes.clear();
    sheet.lbDeduct.clear();
    sheet.lbOverT.clear();
    sheet.lbTips.clear();
}

float boxSingle(const std::string& text) { return convertSingle(text).value_or(0.0f); }


// An allowance count from 0 to 9; anything else picks no table entry.
bool allowanceIndex(double n, int& index) {
    if (n < 0 || n > 9 || n != static_cast<int>(n)) return false;
    index = static_cast<int>(n);
    return true;
}

// What the driver asks of the federal, state and local parts and of the ledger.
float stateAllowance(App& app, bool single, int n) {
    return single ? app.state.StateSgExp[n] : app.state.StateMarExp[n];
}
float cityAllowance(App& app, bool single, int n) {
    return single ? app.city.CitySgExp[n] : app.city.CityMarExp[n];
}
void stateTax(App& app) { RunStateMethods(app); }
void localTax(App& app) { GetLocalTax(app); }
bool roundStateChecked(App& app) { return app.dialogState().ckRoundOff == 1; }
float stateAdjustment(App& app) { return app.state.StateAdj; }
void clearStateAdjustment(App& app) { app.state.StateAdj = 0; }
bool loadFederal(App& app) {
    const bool loaded = LoadFederalTables(app);
    app.form1().lbTaxVer = app.federal.FedTableVer;
    return loaded;
}
// An exemption count outside 0 to 9 picks no allowance: the period is taxed
// without one, which the user must be told.
bool exemptionsInRange(App& app) {
    int n = 0;
    const bool fed = app.profile.FedExempt == 1 || allowanceIndex(valueOf(app.profile.FedExemptions), n);
    return fed && allowanceIndex(app.profile.StateExemptions, n);
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
void clearFederal(App& app) { app.federal.clearNumbers(); }
void closeSettings(App& app) {
    app.dialogCity().unload();
    app.dialogState().unload();
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
    PayPeriod& p = app.period;
    EmployeeProfile& e = app.profile;
    Form1& sheet = app.form1();

    // 4.
    for (auto& line : sheet.lbTaxDed) line.clear();
    // 5.
    p.PayRate = e.HourRate != 0 ? e.HourRate : app.DefaultRate;
    // 6.
    for (auto& box : sheet.txtAmount)
        if (valueOf(box) == 0) box = "0";
    // 7.
    p.StrHrs = boxSingle(sheet.txtAmount[0]);
    p.StrHrs2 = boxSingle(sheet.txtAmount[1]);
    p.OtVar = boxSingle(sheet.txtAmount[2]);
    p.OtHrs = boxSingle(sheet.txtAmount[3]);
    p.Avas = boxSingle(sheet.txtAmount[4]);
    p.VacDys = boxSingle(sheet.txtAmount[5]);
    p.Addit = Currency::checkedFromDouble(convertNumber(sheet.txtAmount[6]).value_or(0)).value_or(Currency());
    p.TipsHrs = boxSingle(sheet.txtAmount[7]);

    // 8, and 14's doubling for bi-weekly pay. Any status other than "Single"
    // takes the married amounts, as it takes the married tables.
    p.FedAllow = FederalAllowance(app.federal, e);
    // 9.
    int n = 0;
    if (allowanceIndex(e.StateExemptions, n)) {
        const bool single = e.StateStatus == "Single";
        p.StateExemption = stateAllowance(app, single, n);
        p.LocalExemption = cityAllowance(app, single, n);
    }

    // 10.
    if (!sheet.opt1x) p.OtVar = sgl(ext(p.OtVar) * 2);
    // 11.
    const long double rate = ext(p.PayRate);
    p.StrPay = sgl(ext(p.StrHrs) * rate);
    p.StrPay2 = sgl(ext(e.HourRate2) * ext(p.StrHrs2));
    p.TipsPay = sgl(ext(e.TipsRate) * ext(p.TipsHrs));
    p.TotalOt = sgl(ext(p.OtHrs) * 1.5 * rate + ext(p.OtVar) * rate);
    p.TotalTips = sgl(ext(e.TipsRate) * ext(p.TipsHrs));
    // 12. Gross pay is added up in currency and not rounded to cents.
    GrossSum gross;
    gross.add(ext(p.StrHrs) * rate + ext(e.HourRate2) * ext(p.StrHrs2) + ext(p.OtHrs) * 1.5 * rate +
              ext(p.Avas) * rate);
    gross.add(p.Addit);
    gross.add(ext(p.OtVar) * rate);
    gross.add(rate * ext(p.VacDys));
    gross.add(ext(e.TipsRate) * ext(p.TipsHrs));
    if (!gross.sum) return false;
    p.GrossPay = sgl(gross.sum->toLongDouble());
    // 13.
    p.KPlanAmt = e.KpPer == 1 ? sgl(ext(e.KPlan) * 0.01 * ext(p.GrossPay)) : e.KPlan;
    p.PensionAmt = sgl(ext(e.PensionPct) * 0.01 * ext(p.GrossPay));
    p.TaxableWages = sgl(ext(p.GrossPay) - ext(e.HealthIns) - ext(p.KPlanAmt));
    p.CafeState = e.CafeDeductState == 1 ? p.CafeAmt : 0.0f;
    // 14.
    p.FedWages = sgl(ext(p.TaxableWages) - ext(p.PensionAmt) - ext(p.FedAllow) - ext(p.CafeAmt));
    // 15.
    if (e.FedExempt == 0) GetFedTax(app);
    // 16, 17, 18.
    GetSocSec(app);
    GetMedicare(app);
    if (e.SSMediExempt == 1) {
        p.Medicare = 0;
        p.SocSec = 0;
    }
    // 19.
    stateTax(app);
    // 20.
    FillBlankStateFields(app);
    // 21.
    localTax(app);
    // 22.
    GetSDI_SUI(app);
    // 23.
    if (p.TaxableWages != 0) sheet.lbGross = formatNumber(p.GrossPay, kFmtDollar);
    // 24.
    p.FedTax = sgl(ext(e.FedAddL) + ext(p.FedTax));
    // 25.
    p.FedTax = roundCents(p.FedTax);
    p.SocSec = roundCents(p.SocSec);
    p.Medicare = roundCents(p.Medicare);
    p.LocalTax = NumOrText(p.LocalTax.format(kFmtAmount));
    e.CrUnion = roundCents(e.CrUnion);
    e.Bond = roundCents(e.Bond);
    e.Dues = roundCents(e.Dues);
    p.PensionAmt = roundCents(p.PensionAmt);
    e.HealthIns = roundCents(e.HealthIns);
    p.KPlanAmt = roundCents(p.KPlanAmt);
    p.SdiAmt = roundCents(p.SdiAmt);
    p.SuiAmt = roundCents(p.SuiAmt);
    p.CafeAmt = roundCents(p.CafeAmt);
    // 26.
    if (e.FedExempt == 1) p.FedTax = 0;
    // 27.
    {
        const float adj = stateAdjustment(app);
        NumOrText sum = p.StateTax.isDouble() ? NumOrText(static_cast<double>(p.StateTax.number() + adj))
                                              : NumOrText(sgl(p.StateTax.number() + ext(adj)));
        p.StateTax = NumOrText(sum.format(kFmtAmount));
        if (roundStateChecked(app)) p.StateTax = NumOrText(static_cast<double>(roundWholeEven(p.StateTax.number())));
        if (p.StateTax.number() < 0) p.StateTax = NumOrText(0.0f);
    }
    // 28.
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
    // 29. A text among the taxes counts as its number, and the sum then
    // carries a double's precision.
    {
        const bool wide = !p.StateTax.isSingle() && !p.StateTax.isEmpty();
        long double t = ext(p.FedTax) + p.StateTax.number() + ext(p.SdiAmt) + ext(p.SuiAmt) +
                        p.LocalTax.number() + ext(p.Medicare) + ext(p.SocSec);
        const bool anyWide = wide || !p.LocalTax.isSingle();
        p.TaxDeduct = anyWide ? NumOrText(static_cast<double>(t)) : NumOrText(sgl(t));
    }
    // 30.
    p.TotDeduct = NumOrText(sgl(ext(e.Bond) + ext(e.CrUnion) + ext(e.HealthIns) + ext(e.Dues) + ext(p.KPlanAmt) +
                                ext(p.PensionAmt) + ext(p.CafeAmt)));
    // 31. Tips are part of gross pay but are not paid out.
    p.NetPay = sgl(ext(p.GrossPay) - (static_cast<long double>(p.TaxDeduct.number()) +
                                      static_cast<long double>(p.TotDeduct.number())) -
                   ext(p.TipsPay));
    // 32.
    sheet.lbTaxes = p.TaxDeduct.format(kFmtDollar);
    sheet.lbDeduct = p.TotDeduct.format(kFmtDollar);
    sheet.lbNet = formatNumber(p.NetPay, kFmtDollar);
    sheet.lbOverT = formatNumber(p.TotalOt, kFmtDollar);
    sheet.lbTips = formatNumber(p.TotalTips, kFmtDollar);
    // 33.
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
    // 1.
    resetResults(app);
    // 2.
    bool complete = loadFederal(app);
    // 3.
    prepareSettings(app);
    // 4 to 33.
    if (!computePayPeriod(app)) {
        // Nothing computed is saved: the files keep the last good period.
        clearFederal(app);
        closeSettings(app);
        app.ui().message(kNonNumeric);
        return CalcOutcome::Refused;
    }
    if (app.damagedFilesSeen() != damagedBefore) complete = false;
    if (!exemptionsInRange(app)) {
        app.ui().message(kExemptionsOutOfRange);
        complete = false;
    }
    // 34. The tables in memory are always the file's as of the last calculation.
    clearFederal(app);
    // 35.
    if (!app.frmSaveUser().cmdSaveUser_Click()) complete = false;
    // 36.
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
    PayPeriod& p = app.period;
    p.TaxableWages = 0;
    p.GrossPay = 0;
    p.NetPay = 0;
    p.FedTax = 0;
    p.SdiAmt = 0;
    p.SuiAmt = 0;
    p.SdiYtdWages = 0;
    p.SuiYtdWages = 0;
    clearStateAdjustment(app);
    p.StateTax = NumOrText(0.0f);
    p.LocalTax = NumOrText(0.0f);
    p.TaxDeduct = NumOrText(0.0f);
    p.TotDeduct = NumOrText(0.0f);
    sheet.lbGross.clear();
    sheet.lbNet.clear();
    sheet.lbTaxes.clear();
    sheet.lbDeduct.clear();
    sheet.lbOverT.clear();
    sheet.lbTips.clear();
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
