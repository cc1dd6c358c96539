// The pay calculation over records: gross pay from the hours, the pre-tax
// deductions, every withholding, the rounding and the totals. It reads no
// window; the pay sheet's driver (paysheet/calculate.h) reads the boxes into
// the period first, supplies the state tax step, which reads the state
// dialog, and shows the results afterwards.
#pragma once

#include <functional>

#include "common/numbers.h"
#include "federal/federal_tables.h"
#include "local/city_tables.h"
#include "local/non_city_table.h"
#include "paysheet/fica.h"
#include "paysheet/model.h"
#include "state/state_settings.h"

namespace qv {

// What the calculation reads besides the period. The profile is not const:
// the employee's fixed deductions are rounded to cents in place.
struct PayRecords {
    EmployeeProfile& profile;
    const FederalTables& federal;
    const StateTaxSettings& state;
    const CityTaxTables& city;
    const NonCityTable& nonCity;
    Currency yearGross;       // the year's gross pay so far, without this period
    float defaultRate = 0;    // the hourly rate of an employee who has none
};

// What the driver's state step decides from the state dialog.
struct StateStepResult {
    InsuranceBases insurance;
    bool roundState = false;  // "Round State": the state tax in whole dollars
};

// Runs the state methods on the period and reads what the state dialog says
// of SDI, SUI, the adjustment and rounding.
using StateStep = std::function<StateStepResult(PayPeriod&)>;

// The whole calculation on a period whose hours (StrHrs ... TipsHrs, Addit)
// are set: `overtimeVariesDouble` is the pay sheet's "2x" choice for the
// variable overtime. Returns false, with the period half done, when the gross
// pay leaves the currency range.
bool calculatePay(const PayRecords& r, bool overtimeVariesDouble, const StateStep& stateStep, PayPeriod& p);

// The steps, in the order calculatePay runs them.

// The pay rate, the allowances of the federal, state and city tables, each
// kind of pay and the gross. False when the gross leaves the currency range.
bool grossPay(const PayRecords& r, bool overtimeVariesDouble, PayPeriod& p);
// The K plan, the pension and the cafeteria plan, and the wages each tax is
// figured on.
void preTaxDeductions(const EmployeeProfile& e, PayPeriod& p);
// Federal income tax, Social Security and Medicare.
void federalAndFica(const PayRecords& r, PayPeriod& p);
// Every amount that is withheld to whole cents, the additional federal
// withholding added first; an exempt employee has no federal tax.
void roundWithholdings(EmployeeProfile& e, PayPeriod& p);
// The state adjustment added to the state tax, whole dollars when `roundState`,
// never below 0.
void adjustStateTax(float adjustment, bool roundState, PayPeriod& p);
// The sums of taxes and deductions and the net pay.
void totals(const EmployeeProfile& e, PayPeriod& p);

}  // namespace qv
