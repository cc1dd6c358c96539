#include "state/generic_state_tax.h"

#include "paysheet/app.h"
#include "paysheet/form1.h"
#include "state/bracket_table.h"
#include "state/state_methods.h"

namespace qv {

namespace {

// The pay sheet's "Louisiana- Prior to July 1" box.
bool louisianaPriorChecked(App& app) { return app.form1().ckLouisPrior == 1; }

}  // namespace

void GetStateTax(App& app) {
    const StateTaxSettings& s = app.state;
    const EmployeeProfile& p = app.profile;
    PayPeriod& pp = app.period;
    const BracketColumns table = stateTableFor(s, p.StateStatus);

    float tax = pp.StateTax.isEmpty() ? 0.0f : static_cast<float>(pp.StateTax.number());
    const bool walk = p.BiWeekly || p.Weekly;
    if (walk) {
        // Weekly pay halves the allowance but not the cafeteria amount.
        const bool weekly = !p.BiWeekly;
        const long double allowance = weekly ? ext(pp.StateExemption) / 2 : ext(pp.StateExemption);
        pp.StateWage = sgl(ext(pp.TaxableWages) - allowance - ext(pp.CafeState));
        walkBrackets(table, 10, pp.StateWage, weekly,
                     [&](const BracketRow& row) { tax = sgl(excessTax(row, pp.StateWage)); });
    }
    pp.StateTax = sgl(ext(tax) - ext(s.CalAllow));
}

void RunStateMethods(App& app) {
    const StateTaxSettings& s = app.state;
    const int n = app.profile.StateExemptions;
    const bool louisPrior = s.UseLouis == 1 && louisianaPriorChecked(app);
    bool ran = false;
    auto run = [&](bool flag, auto&& method) {
        if (!flag) return;
        method();
        ran = true;
    };
    run(s.UseLouis == 1 && !louisPrior, [&] { GetLouisianaTax(app); });
    run(s.UseLouis == 1 && louisPrior, [&] { GetLouisianaPriorTax(app); });
    run(s.UseIowa == 1, [&] { GetIowaTax(app, n); });
    run(s.UseMissouri == 1, [&] { GetMissouriTax(app, n); });
    run(s.UseMass == 1, [&] { GetMassTax(app); });
    run(s.UseOregon == 1, [&] { GetOregonTax(app); });
    run(s.UseUtah == 1, [&] { GetUtahTax(app); });
    run(s.UseAlabama == 1, [&] { GetAlabama(app, n); });
    run(s.UseKentucky == 1, [&] { GetKentuckyTax(app); });
    run(s.UseWiscon == 1, [&] { GetWisconsinTax(app); });
    run(s.UseWisconApril == 1, [&] { GetWisconsinTax(app); });
    run(s.UseNC == 1, [&] { GetNCTax(app); });
    if (!ran) GetStateTax(app);
}

}  // namespace qv
