// The state-specific withholding methods. Each reads the records in App and
// writes its result into App::period.StateTax (and StateWage where it has
// one); the driver adds the adjustment, rounds and floors afterwards.
// One file per state under state/methods/.
#pragma once

namespace qv {

class App;

void GetOregonTax(App& app);
// n: the employee's state exemptions, passed by the caller.
void GetMissouriTax(App& app, int n);
void GetIowaTax(App& app, int n);
void GetLouisianaTax(App& app);
// The formula in force before July 1 (the pay sheet's "Louisiana- Prior to July 1").
void GetLouisianaPriorTax(App& app);
void GetMassTax(App& app);
void GetAlabama(App& app, int n);
// Serves both Wisconsin boxes.
void GetWisconsinTax(App& app);
void GetKentuckyTax(App& app);
void GetUtahTax(App& app);
void GetNCTax(App& app);

}  // namespace qv
