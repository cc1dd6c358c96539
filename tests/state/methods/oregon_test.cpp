#include "state/methods/state_method_fixture.h"

namespace qv {
namespace {

using testing_support::Pay;
using testing_support::RowText;
using testing_support::StateMethodTest;

class Oregon : public StateMethodTest {};

struct OregonCase {
    const char* what;
    Pay pay;
    const char* status;
    int allowances;
    float gross;
    float fedTax;
    double expected;
};

TEST_F(Oregon, WorkedExamples) {
    const OregonCase cases[] = {
        {"row 3, federal tax under the cap", Pay::BiWeekly, "Single", 1, 1000, 100, 64.3187},
        {"federal tax over the cap subtracts only the cap", Pay::BiWeekly, "Single", 1, 1000, 300, 50.6459},
        {"federal tax exactly at the cap", Pay::BiWeekly, "Single", 1, 1000, 251.92f, 50.6459},
        {"single with 3 allowances uses the married table", Pay::BiWeekly, "Single", 3, 1000, 100.5f, 39.96},
        {"married, row 3", Pay::BiWeekly, "Married", 2, 1000, 100, 40.0556},
        {"row 2", Pay::BiWeekly, "Single", 0, 300, 0, 20.1106},
        {"row 1 is exactly 0 whatever the credit", Pay::BiWeekly, "Single", 1, 200, 0, 0},
        {"unknown status: married table, no standard deduction", Pay::BiWeekly, "", 1, 1000, 100, 62.6935},
        {"weekly, row 3", Pay::Weekly, "Single", 1, 500, 50, 32.1539},
        {"weekly cap", Pay::Weekly, "Single", 1, 500, 200, 25.3175},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        employee(c.pay, c.status, c.allowances);
        applyPreset(&DialogState::OregonSet);
        resetPeriod();
        app.period.GrossPay = c.gross;
        app.period.FedTax = c.fedTax;
        run(GetOregonTax);
        EXPECT_NEAR(stateTax(), c.expected, 5e-4);
    }
}

TEST_F(Oregon, WorkedExampleShowsOnThePaySheetAs6432) {
    employee(Pay::BiWeekly, "Single", 1);
    applyPreset(&DialogState::OregonSet);
    resetPeriod();
    app.period.GrossPay = 1000;
    app.period.FedTax = 100;
    run(GetOregonTax);
    EXPECT_FLOAT_EQ(app.period.StateWage, 816.35f);
    EXPECT_EQ(stateTaxCents(), "64.32");
}

TEST_F(Oregon, AWageBelowTheFirstRowLeavesTheTaxAlone) {
    employee(Pay::BiWeekly, "Single", 1);
    applyPreset(&DialogState::OregonSet);
    resetPeriod();
    app.period.GrossPay = 50;  // 50 - 83.65 is below row 1's minimum of 0
    app.period.FedTax = 0;
    run(GetOregonTax);
    EXPECT_EQ(stateTax(), 0);
}

TEST_F(Oregon, PresetTablesFollowThePayFrequency) {
    struct Expect {
        Pay pay;
        const char* heading;
        RowText single[3];
        RowText married[3];
        const char* credit1;
        const char* credit9;
    };
    const Expect cases[] = {
        {Pay::Weekly,
         "WEEKLY",
         {{"0", "3.79", "0.05"}, {"65.38", "7.06", "0.07"}, {"163.46", "13.92", "0.09"}},
         {{"0", "3.79", "0.05"}, {"130.77", "10.33", "0.07"}, {"326.92", "24.06", "0.09"}},
         "3.79",
         "34.11"},
        {Pay::BiWeekly,
         "BIWEEKLY",
         {{"0", "7.58", "0.05"}, {"130.77", "14.12", "0.07"}, {"326.92", "27.85", "0.09"}},
         {{"0", "7.58", "0.05"}, {"261.54", "20.65", "0.07"}, {"653.85", "48.12", "0.09"}},
         "7.58",
         "68.22"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heading);
        employee(c.pay, "Single", 1);
        dialog().OregonSet();
        const DialogState& d = dialog();
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(testing_support::singleRow(d, r), c.single[r]) << "row " << r + 1;
            EXPECT_EQ(testing_support::marriedRow(d, r), c.married[r]) << "row " << r + 1;
            EXPECT_TRUE(testing_support::rowEnabled(d, r)) << "row " << r + 1;
        }
        for (int r = 3; r < 10; ++r) {
            EXPECT_EQ(testing_support::singleRow(d, r), (RowText{"999999", "0", "0"})) << "row " << r + 1;
            EXPECT_EQ(testing_support::marriedRow(d, r), (RowText{"999999", "0", "0"})) << "row " << r + 1;
            EXPECT_TRUE(testing_support::rowDisabled(d, r)) << "row " << r + 1;
        }
        for (int n : {19, 20, 21}) EXPECT_EQ(d.Label[n], c.heading);
        EXPECT_EQ(d.txtStateSgExp[0], "0");
        EXPECT_EQ(d.txtStateSgExp[1], c.credit1);
        EXPECT_EQ(d.txtStateMarExp[1], c.credit1);
        EXPECT_EQ(d.txtStateSgExp[9], c.credit9);
        EXPECT_EQ(d.txtStateMarExp[9], c.credit9);
        for (int n = 0; n < 10; ++n) EXPECT_EQ(d.Label27[n], std::to_string(n));
    }
}

TEST_F(Oregon, PresetStartsFromTheRecordAndKeepsItsOtherMethod) {
    // A method chosen but not yet saved is still 1 in the record: Oregon's
    // preset sets its box again, so both run after SAVE. Utah never survives.
    app.state.UseMissouri = 1;
    app.state.UseUtah = 1;
    app.state.StateAdj = 4;
    employee(Pay::BiWeekly, "Single", 1);
    dialog().txtStateAdj = "12";
    dialog().OregonSet();
    EXPECT_EQ(dialog().ckMissouri, 1);
    EXPECT_EQ(dialog().ckUtah, 0);
    EXPECT_EQ(dialog().txtStateAdj, "4");
}

TEST_F(Oregon, PressingTheBoxTogglesItWithOrWithoutASave) {
    // Saved as Oregon: a press unchecks, the next press checks again.
    app.state.UseOregon = 1;
    employee(Pay::BiWeekly, "Single", 1);
    dialog().ckOregon = 1;
    dialog().pressMethodBox(DialogState::MethodBox::Oregon);
    EXPECT_EQ(dialog().ckOregon, 0);
    dialog().pressMethodBox(DialogState::MethodBox::Oregon);
    EXPECT_EQ(dialog().ckOregon, 1);
    // Not saved as Oregon: the same.
    app.state.UseOregon = 0;
    dialog().pressMethodBox(DialogState::MethodBox::Oregon);
    EXPECT_EQ(dialog().ckOregon, 0);
    dialog().pressMethodBox(DialogState::MethodBox::Oregon);
    EXPECT_EQ(dialog().ckOregon, 1);
    EXPECT_EQ(dialog().txtStateMinBS[2], "326.92") << "the preset ran on every press";
}

}  // namespace
}  // namespace qv
