// The state-specific withholding methods: computations over the records.
// Each reads the employee, the state settings and the period's figures so far
// and writes period.StateTax (and StateWage where it has one); the driver adds
// the adjustment, rounds and floors afterwards. One file per state under
// state/methods/; the dialog's presets that fill the tables for a method live
// under state/presets/, and state/state_method_table.h ties the two together.
#pragma once

#include "ledger/year_ledger.h"
#include "paysheet/model.h"
#include "state/state_settings.h"

namespace qv {

// What a state method reads besides the period it writes into.
struct StateMethodInput {
    const EmployeeProfile& profile;  // status, exemptions, pay frequency
    const StateTaxSettings& state;   // the tables and allowances as saved
    const YearLedger& ledger;        // the year's withholdings so far
    bool spouseWorks = false;        // "Spouse Works", as the dialog shows it
};

using StateMethod = void (*)(const StateMethodInput&, PayPeriod&);

// Utah's table has seven rows; the preset fills them and the method walks them.
inline constexpr int kUtahRowsUsed = 7;

void GetOregonTax(const StateMethodInput& in, PayPeriod& p);
void GetMissouriTax(const StateMethodInput& in, PayPeriod& p);
void GetIowaTax(const StateMethodInput& in, PayPeriod& p);
void GetLouisianaTax(const StateMethodInput& in, PayPeriod& p);
// The formula in force before July 1 (the pay sheet's "Louisiana- Prior to July 1").
void GetLouisianaPriorTax(const StateMethodInput& in, PayPeriod& p);
void GetMassTax(const StateMethodInput& in, PayPeriod& p);
void GetAlabama(const StateMethodInput& in, PayPeriod& p);
// Serves both Wisconsin boxes.
void GetWisconsinTax(const StateMethodInput& in, PayPeriod& p);
void GetKentuckyTax(const StateMethodInput& in, PayPeriod& p);
void GetUtahTax(const StateMethodInput& in, PayPeriod& p);
void GetNCTax(const StateMethodInput& in, PayPeriod& p);

}  // namespace qv
