#include "paysheet/pay_calculation.h"

#include <optional>

#include "common/format.h"
#include "federal/federal_withholding.h"
#include "local/local_tax.h"

namespace qv {

namespace {

// Gross pay is summed in currency; a sum that leaves its range refuses the
// calculation rather than wrapping round.
struct GrossSum {
    std::optional<Currency> sum = Currency();
    void add(std::optional<Currency> v) {
        sum = sum && v ? Currency::checkedAdd(*sum, *v) : std::nullopt;
    }
    void add(long double v) { add(Currency::checkedFromDouble(v)); }
};

}  // namespace

bool grossPay(const PayRecords& r, bool overtimeVariesDouble, PayPeriod& p) {
    const EmployeeProfile& e = r.profile;
    p.PayRate = e.HourRate != 0 ? e.HourRate : r.defaultRate;

    // Any status other than "Single" takes the married amounts, as it takes
    // the married tables. The federal allowance is doubled for bi-weekly pay.
    p.FedAllow = FederalAllowance(r.federal, e);
    if (const auto n = allowanceEntry(e.StateExemptions)) {
        const bool single = e.StateStatus == "Single";
        const auto k = static_cast<std::size_t>(*n);
        p.StateExemption = single ? r.state.StateSgExp[k] : r.state.StateMarExp[k];
        p.LocalExemption = single ? r.city.CitySgExp[k] : r.city.CityMarExp[k];
    }

    if (overtimeVariesDouble) p.OtVar = sgl(ext(p.OtVar) * 2);
    const long double rate = ext(p.PayRate);
    p.StrPay = sgl(ext(p.StrHrs) * rate);
    p.StrPay2 = sgl(ext(e.HourRate2) * ext(p.StrHrs2));
    p.TipsPay = sgl(ext(e.TipsRate) * ext(p.TipsHrs));
    p.TotalOt = sgl(ext(p.OtHrs) * 1.5 * rate + ext(p.OtVar) * rate);
    p.TotalTips = sgl(ext(e.TipsRate) * ext(p.TipsHrs));

    // Gross pay is added up in currency and not rounded to cents; the terms
    // are grouped as the pay sheet always grouped them, since each currency
    // conversion rounds to four decimals.
    GrossSum gross;
    gross.add(ext(p.StrHrs) * rate + ext(e.HourRate2) * ext(p.StrHrs2) + ext(p.OtHrs) * 1.5 * rate +
              ext(p.Avas) * rate);
    gross.add(p.Addit);
    gross.add(ext(p.OtVar) * rate);
    gross.add(rate * ext(p.VacDys));
    gross.add(ext(e.TipsRate) * ext(p.TipsHrs));
    if (!gross.sum) return false;
    p.GrossPay = sgl(gross.sum->toLongDouble());
    return true;
}

void preTaxDeductions(const EmployeeProfile& e, PayPeriod& p) {
    p.KPlanAmt = e.KpPer == 1 ? sgl(ext(e.KPlan) * 0.01 * ext(p.GrossPay)) : e.KPlan;
    p.PensionAmt = sgl(ext(e.PensionPct) * 0.01 * ext(p.GrossPay));
    // Health insurance and the K plan come off before every tax; the pension
    // and the cafeteria plan before the federal tax only (the cafeteria plan
    // before the state tax too when the employee's state allows it).
    p.TaxableWages = sgl(ext(p.GrossPay) - ext(e.HealthIns) - ext(p.KPlanAmt));
    p.CafeState = e.CafeDeductState == 1 ? p.CafeAmt : 0.0f;
    p.FedWages = sgl(ext(p.TaxableWages) - ext(p.PensionAmt) - ext(p.FedAllow) - ext(p.CafeAmt));
}

void federalAndFica(const PayRecords& r, PayPeriod& p) {
    const EmployeeProfile& e = r.profile;
    if (e.FedExempt == 0) GetFedTax(r.federal, e, p);
    GetSocSec(r.yearGross, e, p);
    GetMedicare(e, p);
    if (e.SSMediExempt == 1) {
        p.Medicare = 0;
        p.SocSec = 0;
    }
}

void roundWithholdings(EmployeeProfile& e, PayPeriod& p) {
    p.FedTax = sgl(ext(e.FedAddL) + ext(p.FedTax));
    p.FedTax = roundCents(p.FedTax);
    p.SocSec = roundCents(p.SocSec);
    p.Medicare = roundCents(p.Medicare);
    // The local tax keeps the text of its rounded figure, as the sheet shows it.
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
    if (e.FedExempt == 1) p.FedTax = 0;
}

void adjustStateTax(float adjustment, bool roundState, PayPeriod& p) {
    // A built-in method may leave a double; the sum keeps that precision.
    NumOrText sum = p.StateTax.isDouble() ? NumOrText(static_cast<double>(p.StateTax.number() + adjustment))
                                          : NumOrText(sgl(p.StateTax.number() + ext(adjustment)));
    p.StateTax = NumOrText(sum.format(kFmtAmount));
    if (roundState) p.StateTax = NumOrText(static_cast<double>(roundWholeEven(p.StateTax.number())));
    if (p.StateTax.number() < 0) p.StateTax = NumOrText(0.0f);
}

void totals(const EmployeeProfile& e, PayPeriod& p) {
    // A text among the taxes counts as its number, and the sum then carries a
    // double's precision.
    const bool wide = !p.StateTax.isSingle() && !p.StateTax.isEmpty();
    const long double t = ext(p.FedTax) + p.StateTax.number() + ext(p.SdiAmt) + ext(p.SuiAmt) +
                          p.LocalTax.number() + ext(p.Medicare) + ext(p.SocSec);
    const bool anyWide = wide || !p.LocalTax.isSingle();
    p.TaxDeduct = anyWide ? NumOrText(static_cast<double>(t)) : NumOrText(sgl(t));
    p.TotDeduct = NumOrText(sgl(ext(e.Bond) + ext(e.CrUnion) + ext(e.HealthIns) + ext(e.Dues) + ext(p.KPlanAmt) +
                                ext(p.PensionAmt) + ext(p.CafeAmt)));
    // Tips are part of gross pay but are not paid out.
    p.NetPay = sgl(ext(p.GrossPay) - (static_cast<long double>(p.TaxDeduct.number()) +
                                      static_cast<long double>(p.TotDeduct.number())) -
                   ext(p.TipsPay));
}

bool calculatePay(const PayRecords& r, bool overtimeVariesDouble, const StateStep& stateStep, PayPeriod& p) {
    if (!grossPay(r, overtimeVariesDouble, p)) return false;
    preTaxDeductions(r.profile, p);
    federalAndFica(r, p);
    // The state tax comes after the federal tax, which several states subtract.
    const StateStepResult state = stateStep(p);
    GetLocalTax(r.profile, r.city, r.nonCity, p);
    GetSDI_SUI(r.state, state.insurance, r.yearGross, p);
    roundWithholdings(r.profile, p);
    adjustStateTax(r.state.StateAdj, state.roundState, p);
    totals(r.profile, p);
    return true;
}

}  // namespace qv
