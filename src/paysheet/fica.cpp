#include "paysheet/fica.h"


namespace qv {

namespace {

Currency C(float v) { return Currency::fromSingle(v); }

// A withholding that came out below 0 (health insurance larger than the pay,
// a negative hours entry) is withheld as 0.
float noNegative(float v) { return v < 0 ? 0.0f : v; }

}  // namespace

SocSecResult socialSecurity(Currency totGross, float grossPay, float cafeAmt, float healthIns, bool selfEmp) {
    const Currency base = Currency::fromDouble(kSocSecWageBase);
    SocSecResult r;
    const Currency yearWages = (totGross + C(grossPay)) - C(cafeAmt);
    r.SsWages = sgl(yearWages.toLongDouble());
    r.SsRoom = sgl((base - yearWages).toLongDouble());
    if (r.SsRoom < 0) r.SocSec = 0;
    if (r.SsRoom >= 0) {
        r.SocSec = sgl((ext(grossPay) - ext(cafeAmt) - ext(healthIns)) * kSocSecRate);
        if (r.SocSec > 0 && selfEmp) r.SocSec = sgl((ext(grossPay) - ext(cafeAmt)) * kSocSecSelfRate);
    }
    if (r.SsWages > kSocSecWageBase && totGross < base) {
        // Only the part of the base the year had left is taxed.
        const double left = (base - totGross).toDouble();
        r.SocSec = static_cast<float>(left * kSocSecRate);
        if (r.SocSec > 0 && selfEmp) r.SocSec = static_cast<float>(left * kSocSecSelfRate);
    }
    r.SocSec = noNegative(r.SocSec);
    return r;
}

float medicareTax(float grossPay, float healthIns, float cafeAmt, bool selfEmp) {
    float m = sgl((ext(grossPay) - ext(healthIns) - ext(cafeAmt)) * kMedicareRate);
    if (selfEmp) m = sgl(ext(m) * 2);
    return noNegative(m);
}

float insuranceAmount(bool useBase, float wageBase, float percent, Currency totGross, float grossPay,
                      float ytdWages) {
    float amount = 0;
    const long double yearSoFar = totGross.toLongDouble();
    if (useBase && yearSoFar < ext(wageBase)) {
        amount = sgl(ext(percent) * 0.01 * ext(grossPay));
        if (ytdWages > wageBase) {
            // The period crosses the base: only what the year had left of it.
            const double left = (C(wageBase) - totGross).toDouble();
            amount = static_cast<float>(left * (static_cast<double>(percent) * 0.01));
        }
    } else if (useBase) {
        amount = 0;
    } else {
        amount = wageBase;
    }
    return noNegative(amount);
}

}  // namespace qv

namespace qv {

void GetSocSec(Currency yearGross, const EmployeeProfile& e, PayPeriod& p) {
    const SocSecResult r = socialSecurity(yearGross, p.GrossPay, p.CafeAmt, e.HealthIns, e.SelfEmp == 1);
    p.SsWages = r.SsWages;
    p.SsRoom = r.SsRoom;
    p.SocSec = r.SocSec;
}

void GetMedicare(const EmployeeProfile& e, PayPeriod& p) {
    p.Medicare = medicareTax(p.GrossPay, e.HealthIns, p.CafeAmt, e.SelfEmp == 1);
}

void GetSDI_SUI(const StateTaxSettings& s, InsuranceBases use, Currency yearGross, PayPeriod& p) {
    p.SdiYtdWages = sgl((yearGross + Currency::fromSingle(p.GrossPay)).toLongDouble());
    p.SuiYtdWages = sgl((yearGross + Currency::fromSingle(p.GrossPay)).toLongDouble());
    p.SdiAmt = insuranceAmount(use.sdi, s.SDIWageBase, s.SDIPercent, yearGross, p.GrossPay, p.SdiYtdWages);
    p.SuiAmt = insuranceAmount(use.sui, s.SUIWageBase, s.SUIPercent, yearGross, p.GrossPay, p.SuiYtdWages);
}

}  // namespace qv
