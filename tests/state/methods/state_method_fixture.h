// A working folder and an App of their own for each state method test, and
// the steps a user takes to get a state's tables into the record.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <cmath>
#include <memory>
#include <string>

#include "common/format.h"
#include "paysheet/app.h"
#include "platform/headless/scripted_ui.h"
#include "state/dialog_state.h"
#include "state/state_method_table.h"
#include "state/state_methods.h"

namespace qv::testing_support {

namespace fs = std::filesystem;

enum class Pay { Weekly, BiWeekly };

class StateMethodTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("qv_state_methods_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                   std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        app_ = std::make_unique<App>(ui_, clock_, folder_);
        // The dialog loads once, with no files, before the test sets anything:
        // its opening would otherwise overwrite what the test puts in the record.
        dialog().ensureLoaded();
    }
    void TearDown() override {
        app_.reset();
        fs::remove_all(folder_);
    }

    App& app() { return *app_; }
    DialogState& dialog() { return app_->dialogState(); }

    void employee(Pay pay, const std::string& status, int exemptions) {
        app_->profile.Weekly = pay == Pay::Weekly;
        app_->profile.BiWeekly = pay == Pay::BiWeekly;
        app_->profile.StateStatus = status;
        app_->profile.StateExemptions = static_cast<std::int16_t>(exemptions);
    }

    // Runs a method on the records as the calculation does; with a count,
    // that count is the employee's state exemptions first.
    void run(StateMethod method) { method(stateMethodInput(*app_), app_->period); }
    void run(StateMethod method, int exemptions) {
        app_->profile.StateExemptions = static_cast<std::int16_t>(exemptions);
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
        const int n = app_->profile.StateExemptions;
        app_->period.StateExemption =
            app_->profile.StateStatus == "Single" ? app_->state.StateSgExp[n] : app_->state.StateMarExp[n];
    }

    // The driver resets the state tax before any state method runs.
    void resetPeriod() {
        app_->period.StateTax = 0.0f;
        app_->period.StateWage = 0;
        app_->period.CafeState = 0;
    }

    double stateTax() const { return app_->period.StateTax.number(); }
    // The state tax as the pay sheet shows it, rounded to cents.
    std::string stateTaxCents() const { return app_->period.StateTax.format(kFmtAmount); }

    platform::ScriptedUi ui_;
    platform::FixedClock clock_{Date{2018, 3, 1}};
    fs::path folder_;
    std::unique_ptr<App> app_;
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
