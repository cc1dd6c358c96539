// Oregon: gross pay less the federal tax withheld (up to a cap) and a
// standard deduction, through a three-row table, less a credit per allowance.
// The preset writes the figures of the employee's own pay frequency, so the
// method halves nothing.
#include <string_view>

#include "paysheet/app.h"
#include "state/bracket_table.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
namespace {

struct OregonRow {
    std::string_view singleMin, singleAmt, marriedMin, marriedAmt, rate;
};

constexpr OregonRow kWeekly[3] = {
    {"0", "3.79", "0", "3.79", "0.05"},
    {"65.38", "7.06", "130.77", "10.33", "0.07"},
    {"163.46", "13.92", "326.92", "24.06", "0.09"},
};
constexpr OregonRow kBiWeekly[3] = {
    {"0", "7.58", "0", "7.58", "0.05"},
    {"130.77", "14.12", "261.54", "20.65", "0.07"},
    {"326.92", "27.85", "653.85", "48.12", "0.09"},
};

// Credit per allowance.
constexpr double kWeeklyCredit = 3.79;
constexpr double kBiWeeklyCredit = 7.58;

}  // namespace

void DialogState::OregonSet() {
    // Start from what was last saved, as the loader would show it; the
    // employee's Utah choice never survives choosing Oregon. The Oregon box
    // itself keeps what the user sees: were it reset from the record too, a
    // press (which toggles it after this preset) could never uncheck it
    // before a SAVE, nor check it again after one.
    const int oregonShown = ckOregon;
    boxesFromRecord();
    methodBoxesFromRecord();
    ckOregon = oregonShown;
    ckUtah = 0;
    employeeScreenFromRecord();

    numberAllowanceRows();
    clearTableRows(3, 9);
    setTableRowsEnabled(3, 9, false);
    setTableRowsEnabled(0, 2, true);

    const bool weekly = methods::weeklyPay(app());
    for (int n : {19, 20, 21}) Label[n] = weekly ? "WEEKLY" : "BIWEEKLY";
    const OregonRow* rows = weekly ? kWeekly : kBiWeekly;
    for (int r = 0; r < 3; ++r) {
        setTableRow(true, r, rows[r].singleMin, rows[r].singleAmt, rows[r].rate);
        setTableRow(false, r, rows[r].marriedMin, rows[r].marriedAmt, rows[r].rate);
    }
    const double credit = weekly ? kWeeklyCredit : kBiWeeklyCredit;
    for (int n = 0; n < 10; ++n) {
        txtStateSgExp[n] = methods::multipleText(credit, n);
        txtStateMarExp[n] = methods::multipleText(credit, n);
    }
}

void GetOregonTax(App& app) {
    PayPeriod& p = app.period;
    const EmployeeProfile& e = app.profile;
    const StateTaxSettings& s = app.state;

    // The federal deduction is capped; the standard deduction depends on the
    // exact status text (any other text deducts nothing).
    const bool biWeekly = methods::biWeeklyPay(app);
    const double fedCap = biWeekly ? 251.92 : 125.96;
    const double singleDeduction = biWeekly ? 83.65 : 41.83;
    const double marriedDeduction = biWeekly ? 167.31 : 83.65;
    float wage = p.FedTax <= static_cast<float>(fedCap) ? sgl(ext(p.GrossPay) - ext(p.FedTax))
                                                        : sgl(ext(p.GrossPay) - fedCap);
    if (e.StateStatus == "Single")
        wage = sgl(ext(wage) - singleDeduction);
    else if (e.StateStatus == "Married")
        wage = sgl(ext(wage) - marriedDeduction);
    p.StateWage = wage;

    // Single filers with three or more allowances are taxed as married.
    const bool singleTable = e.StateStatus == "Single" && e.StateExemptions < 3;
    const BracketColumns table = singleTable ? BracketColumns{s.StateMinBS, s.StateAmtBS, s.StatePerBS}
                                             : BracketColumns{s.StateMinBM, s.StateAmtBM, s.StatePerBM};
    const int n = methods::entryFor(e.StateExemptions);
    const float credit = singleTable ? s.StateSgExp[n] : s.StateMarExp[n];

    walkBrackets(table, 3, wage, false, [&](const BracketRow& row) {
        // The first row is below the taxable threshold.
        if (row.index == 0)
            p.StateTax = 0.0f;
        else
            p.StateTax = sgl(excessTax(row, wage) - ext(credit));
    });
}

}  // namespace qv
