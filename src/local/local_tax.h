// The local (city) income tax of a pay period: the city bracket tables for a
// resident, the non-resident table for an employee marked "NON-CITY Resident".
#pragma once

#include "local/city_tables.h"
#include "local/non_city_table.h"
#include "paysheet/model.h"

namespace qv {

// The period's local tax. The calculation calls it once, after the state tax
// and before SDI/SUI.
//
// The caller must have set, for this calculation:
//   TaxableWages   gross pay less health insurance and K plan;
//   LocalExemption the city allowance of the employee's
//                             `StateExemptions` n: `the city tables.CitySgExp[n]`
//                             when `StateStatus` is "Single",
//                             `the city tables.CityMarExp[n]` when "Married" (a
//                             bi-weekly amount; halved here for weekly pay);
//   the city tables                  the tables as the city dialog's opening gave
//                             them (load `app.dialogCity()` first).
// It also reads StateStatus ("Single" picks the single table, any
// other text the married one), BiWeekly / Weekly (with neither
// set no tax is computed) and NonCity (1: `GetNonCityTax`
// instead, and the city tables are ignored), plus the non-resident table for that.
//
// It writes:
//   LocalTax       a single-precision number: 0 first, then the
//                             tax of the last matching row (only rows 1-8
//                             count; no matching row leaves 0). Never below
//                             0: a table that would give a negative tax
//                             withholds 0. Rounding to cents is the caller's.
//   CityWage       the wage after the allowance (residents only;
//                             a non-resident's calculation leaves it as it was).
//   LocalExemption overwritten for a non-resident (see below).
//
// Weekly pay halves every minimum, amount and the allowance, row 1's minimum
// included, and keeps the rates.
void GetLocalTax(const EmployeeProfile& e, const CityTaxTables& t, const NonCityTable& nonCity, PayPeriod& p);

// The non-resident tax, for an employee with `NonCity` set: W =
// TaxableWages (no allowance) is looked up in the bi-weekly or the
// weekly table of the non-resident table by BiWeekly / Weekly; the last
// matching row's "Subtract" becomes LocalExemption (no matching
// row keeps the city allowance the caller put there), and
// LocalTax = (W - LocalExemption) x NonPer, withheld as 0 when
// that is below 0. With neither frequency set nothing is written.
void GetNonCityTax(const EmployeeProfile& e, const NonCityTable& t, PayPeriod& p);

}  // namespace qv
