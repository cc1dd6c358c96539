#include "federal/federal_withholding.h"

#include <cmath>

#include "common/numbers.h"
#include "paysheet/model.h"

namespace qv {
namespace {

// Every row is tested in turn; a match overwrites `tax`, no match leaves it.
// With tables in ascending order at most one row matches, and a wage equal to
// a bracket's NotOver belongs to that bracket.
void bracketSearch(const FedTable& t, float w, float& tax) {
    const long double W = ext(w);
    const FedRow& first = t[0];
    if (first.Over < w && w <= first.NotOver) tax = sgl((W - ext(first.ExcessOver)) * ext(first.Rate));
    for (std::size_t r = 1; r <= 6; ++r) {
        const FedRow& row = t[r];
        if (row.Over < w && w <= row.NotOver)
            tax = sgl((W - ext(row.ExcessOver)) * ext(row.Rate) + ext(row.Base));
    }
    const FedRow& top = t[7];
    if (w > top.Over) tax = sgl((W - ext(top.ExcessOver)) * ext(top.Rate) + ext(top.Base));
}

void searchTables(const EmployeeProfile& e, const FedTable& biWeekly, const FedTable& weekly, PayPeriod& p) {
    const float w = p.FedWages;
    if (e.BiWeekly) bracketSearch(biWeekly, w, p.FedTax);
    if (e.Weekly) bracketSearch(weekly, w, p.FedTax);
}

}  // namespace

float FederalAllowance(const FederalTables& tables, const EmployeeProfile& profile) {
    float allow = 0;
    if (const auto n = allowanceEntry(valueOf(profile.FedExemptions))) {
        const auto i = static_cast<std::size_t>(*n);
        allow = profile.FedStatus == "Single" ? tables.FedAllowSingle[i] : tables.FedAllowMarried[i];
    }
    if (profile.BiWeekly) allow = sgl(ext(allow) * 2);
    return allow;
}

float FedTableTax(const FedTable& table, float wages) {
    float tax = 0;
    bracketSearch(table, wages, tax);
    return tax;
}

void GetFedSingle(const FederalTables& t, const EmployeeProfile& e, PayPeriod& p) {
    searchTables(e, t.FedBiwSingle, t.FedWkSingle, p);
}

void GetFedMarried(const FederalTables& t, const EmployeeProfile& e, PayPeriod& p) {
    searchTables(e, t.FedBiwMarried, t.FedWkMarried, p);
}

void GetFedTax(const FederalTables& t, const EmployeeProfile& e, PayPeriod& p) {
    if (e.FedStatus == "Single") GetFedSingle(t, e, p);
    else GetFedMarried(t, e, p);
}

}  // namespace qv
