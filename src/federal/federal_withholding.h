// Federal income tax withholding by the percentage method.
//
// How the calculation uses this (in its order):
//   period.FedAllow = FederalAllowance(tables, profile);
//   ... gross pay, K plan, pension, taxable wages ...
//   period.FedWages = TaxableWages - PensionAmt - FedAllow - CafeAmt;
//   period.FedTax = 0;
//   if (profile.FedExempt == 0) GetFedTax(tables, profile, period);
// Rounding to cents, the additional withholding and the exempt case stay with
// the calculation.
#pragma once

#include "federal/federal_tables.h"
#include "paysheet/model.h"

namespace qv {

// The allowance amount subtracted from the federal wages: the table entry for
// the profile's `FedExemptions` (read as a number) and `FedStatus`, doubled
// when the employee is paid bi-weekly. "Single" takes `FedAllowSingle`; every
// other status takes `FedAllowMarried`, as it takes the married tables. A count
// that is not a whole number from 0 to 9 has no table entry and gets no
// allowance (0), so the withholding is never understated by a stale or
// invented amount.
float FederalAllowance(const FederalTables& tables, const EmployeeProfile& profile);

// The bracket search on one table: every row is tested in turn and a later
// match overwrites an earlier one. Wages at or below row 0's Over, or negative
// wages, give 0. Arithmetic in extended precision, the result a single.
float FedTableTax(const FedTable& table, float wages);

// Reads period.FedWages and the profile's `BiWeekly`/`Weekly`, and sets
// period.FedTax from `FedBiwSingle` / `FedWkSingle` (a bracket that matches
// overwrites FedTax; no match leaves it as it was, which the calculation has
// set to 0). With neither frequency set, FedTax is left alone.
void GetFedSingle(const FederalTables& t, const EmployeeProfile& e, PayPeriod& period);
// The same with `FedBiwMarried` / `FedWkMarried`.
void GetFedMarried(const FederalTables& t, const EmployeeProfile& e, PayPeriod& period);

// GetFedSingle when `FedStatus` is exactly "Single", GetFedMarried for every
// other status.
void GetFedTax(const FederalTables& t, const EmployeeProfile& e, PayPeriod& period);

}  // namespace qv
