// The current employee's settings and the pay period being worked on.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/num_or_text.h"
#include "common/numbers.h"

namespace qv {

// The entry an exemption count picks in an allowance table: a whole number
// from 0 to 9 picks its own entry, anything else none.
inline std::optional<int> allowanceEntry(double count) {
    if (!(count >= 0 && count <= 9) || count != static_cast<int>(count)) return std::nullopt;
    return static_cast<int>(count);
}

struct EmployeeProfile {
    float HourRate = 0;
    float HourRate2 = 0;
    float TipsRate = 0;
    std::string FedStatus;       // "Single" or "Married"
    std::string FedExemptions;   // "0" to "9"
    std::string StateStatus;     // "Single" or "Married"
    std::int16_t StateExemptions = 0;
    float FedAddL = 0;
    std::int16_t FedExempt = 0;
    std::int16_t SSMediExempt = 0;
    std::int16_t SelfEmp = 0;
    std::int16_t NonCity = 0;
    bool Weekly = false;
    bool BiWeekly = false;
    float CrUnion = 0;
    float Bond = 0;
    float Dues = 0;
    float PensionPct = 0;
    float HealthIns = 0;
    float KPlan = 0;
    std::int16_t KpPer = 0;
    std::int16_t KpFix = 0;
    float Cafe = 0;
    std::int16_t CafeDeductState = 0;
    std::string DedName5, DedName6, DedName7, DedName8, DedName9;
    std::string EmpName;
    std::string EmpAddress;
    std::string EmpCityStateZip;
    std::string EmpSsn;
    // Check-printing offsets: tab columns across, lines down.
    float CheckHorz = 0;
    float CheckVert = 0;
    // Reserved fields: read and written back unchanged.
    float SpareAmt1 = 0, SpareAmt2 = 0, SpareAmt3 = 0, SpareAmt4 = 0, SpareAmt5 = 0;
    bool SpareFlag1 = false, SpareFlag2 = false, SpareFlag3 = false;
    std::string SpareText1, SpareText2;
    std::int16_t SpareInt1 = 0, SpareInt2 = 0;
    std::array<NumOrText, 15> SpareVar{};  // SpareVar 1 to 15 at indices 0 to 14

    friend bool operator==(const EmployeeProfile&, const EmployeeProfile&) = default;
};

struct PayPeriod {
    // Inputs from the pay sheet's amount boxes.
    float StrHrs = 0;
    float StrHrs2 = 0;
    float OtVar = 0;
    float OtHrs = 0;
    float Avas = 0;
    float VacDys = 0;
    Currency Addit;
    float TipsHrs = 0;

    // Results.
    float PayRate = 0;
    float StrPay = 0;
    float StrPay2 = 0;
    float TotalOt = 0;
    float TotalTips = 0;
    float TipsPay = 0;
    float GrossPay = 0;
    float KPlanAmt = 0;
    float PensionAmt = 0;
    float TaxableWages = 0;
    float FedAllow = 0;
    float FedWages = 0;
    float FedTax = 0;
    float SocSec = 0;
    float Medicare = 0;
    float SsWages = 0;
    float SsRoom = 0;
    float StateExemption = 0;
    float LocalExemption = 0;
    float CafeAmt = 0;
    float CafeState = 0;
    NumOrText StateTax;
    NumOrText LocalTax;
    float SdiAmt = 0;
    float SuiAmt = 0;
    float SdiYtdWages = 0;
    float SuiYtdWages = 0;
    NumOrText TaxDeduct;
    NumOrText TotDeduct;
    float NetPay = 0;
    float MyTips = 0;

    // Working values of the state and local methods.
    float StateWage = 0;
    float CityWage = 0;

    // Every result a calculation builds up back to 0, the state and local
    // taxes and the two sums as the number 0: at start, before each
    // calculation and when the sheet is cleared.
    void clearResults() {
        TaxableWages = 0;
        GrossPay = 0;
        NetPay = 0;
        FedTax = 0;
        SocSec = 0;
        Medicare = 0;
        SdiAmt = 0;
        SuiAmt = 0;
        SdiYtdWages = 0;
        SuiYtdWages = 0;
        StateTax = NumOrText(0.0f);
        LocalTax = NumOrText(0.0f);
        TaxDeduct = NumOrText(0.0f);
        TotDeduct = NumOrText(0.0f);
    }
};

}  // namespace qv
