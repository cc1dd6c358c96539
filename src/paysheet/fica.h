// Social Security, Medicare, SDI and SUI: the payroll taxes that depend on the
// year's wages so far (the ledger's `TotGross`, which excludes this period).
#pragma once

#include "common/numbers.h"
#include "paysheet/model.h"
#include "state/state_settings.h"

namespace qv {

inline constexpr double kSocSecWageBase = 117000;
inline constexpr double kSocSecRate = 0.062;
inline constexpr double kSocSecSelfRate = 0.124;
inline constexpr double kMedicareRate = 0.0145;

struct SocSecResult {
    float SsWages = 0;
    float SsRoom = 0;
    float SocSec = 0;
};

// Social Security of a period: all of it while the year stays within the wage
// base, only the part of the base left when the period crosses it, nothing
// above it. Never below 0.
SocSecResult socialSecurity(Currency totGross, float grossPay, float cafeAmt, float healthIns, bool selfEmp);

// Medicare of a period (no wage base), doubled for the self-employed. Never below 0.
float medicareTax(float grossPay, float healthIns, float cafeAmt, bool selfEmp);

// SDI or SUI of a period: `percent` of the gross up to the wage base when
// `useBase`, otherwise `wageBase` is a flat amount per period. `ytdWages` is
// the year's wages with this period. Never below 0.
float insuranceAmount(bool useBase, float wageBase, float percent, Currency totGross, float grossPay,
                      float ytdWages);

// The period's Social Security and Medicare; `yearGross` is the year's gross
// pay so far, without this period.
void GetSocSec(Currency yearGross, const EmployeeProfile& e, PayPeriod& p);
void GetMedicare(const EmployeeProfile& e, PayPeriod& p);

// Whether SDI and SUI are a percentage up to a wage base ("Use Base" in the
// state dialog) or a flat amount.
struct InsuranceBases {
    bool sdi = false;
    bool sui = false;
};
// The period's SDI and SUI from the state settings' rates and bases.
void GetSDI_SUI(const StateTaxSettings& s, InsuranceBases use, Currency yearGross, PayPeriod& p);

}  // namespace qv
