// A working folder and an App of their own for each state method test, and
// the steps a user takes to get a state's tables into the record.
#pragma once

#include <cmath>
#include <string>

#include "common/format.h"
#include "state/dialog_state.h"
#include "state/state_method_table.h"
#include "state/state_methods.h"
#include "support/app_fixture.h"

namespace qv::testing_support {

enum class Pay { Weekly, BiWeekly };

class StateMethodTest : public testing::AppTest {
protected:
    // The dialog loads once, with no files, before the test sets anything:
    // its opening would otherwise overwrite what the test puts in the record.
    StateMethodTest() : AppTest(Date{2018, 3, 1}, "qv_state_methods_") { dialog().ensureLoaded(); }

    DialogState& dialog() { return app.dialogState(); }

    void employee(Pay pay, const std::string& status, int exemptions) {
        app.profile.Weekly = pay == Pay::Weekly;
        app.profile.BiWeekly = pay == Pay::BiWeekly;
        app.profile.StateStatus = status;
        app.profile.StateExemptions = static_cast<std::int16_t>(exemptions);
    }

    // Runs a method on the records as the calculation does; with a count,
    // that count is the employee's state exemptions first.
    void run(StateMethod method) { method(stateMethodInput(app), app.period); }
    void run(StateMethod method, int exemptions) {
        app.profile.StateExemptions = static_cast<std::int16_t>(exemptions);
        run(method);
    }

    // Runs a preset on the dialog and copies the boxes into the record, as
    // pressing the state's box and SAVE would.
    void applyPreset(void (DialogState::*preset)()) {
        (dialog().*preset)();
        ASSERT_TRUE(dialog().fillVari());
    }

    // The allowance the driver picks for the employee's status and exemptions.
    void pickAllowance() {
        const int n = app.profile.StateExemptions;
        app.period.StateExemption =
            app.profile.StateStatus == "Single" ? app.state.StateSgExp[n] : app.state.StateMarExp[n];
    }

    // The driver resets the state tax before any state method runs.
    void resetPeriod() {
        app.period.StateTax = 0.0f;
        app.period.StateWage = 0;
        app.period.CafeState = 0;
    }

    double stateTax() const { return app.period.StateTax.number(); }
    // The state tax as the pay sheet shows it, rounded to cents.
    std::string stateTaxCents() const { return app.period.StateTax.format(kFmtAmount); }
};

// The six table columns of one row, as the boxes show them.
struct RowText {
    std::string min, amount, rate;
};
inline RowText singleRow(const DialogState& d, int r) { return {d.txtStateMinBS[r], d.txtStateAmtBS[r], d.txtStatePerBS[r]}; }
inline RowText marriedRow(const DialogState& d, int r) { return {d.txtStateMinBM[r], d.txtStateAmtBM[r], d.txtStatePerBM[r]}; }
inline bool operator==(const RowText& a, const RowText& b) {
    return a.min == b.min && a.amount == b.amount && a.rate == b.rate;
}
inline std::ostream& operator<<(std::ostream& o, const RowText& r) {
    return o << "{" << r.min << ", " << r.amount << ", " << r.rate << "}";
}

// True when all three columns of a row in both tables are enabled (or all disabled).
inline bool rowEnabled(const DialogState& d, int r) {
    return d.txtStateMinBSEnabled[r] && d.txtStateAmtBSEnabled[r] && d.txtStatePerBSEnabled[r] &&
           d.txtStateMinBMEnabled[r] && d.txtStateAmtBMEnabled[r] && d.txtStatePerBMEnabled[r];
}
inline bool rowDisabled(const DialogState& d, int r) {
    return !d.txtStateMinBSEnabled[r] && !d.txtStateAmtBSEnabled[r] && !d.txtStatePerBSEnabled[r] &&
           !d.txtStateMinBMEnabled[r] && !d.txtStateAmtBMEnabled[r] && !d.txtStatePerBMEnabled[r];
}

}  // namespace qv::testing_support
