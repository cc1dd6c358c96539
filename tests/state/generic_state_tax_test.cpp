// The generic bracket-table method, the shared walker and the driver's choice
// of state methods.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "state/bracket_table.h"
#include "state/generic_state_tax.h"
#include "state/state_method_table.h"
#include "state/state_fixture.h"

namespace qv::test {
namespace {

class GenericStateTax : public StateFixture {
protected:
    GenericStateTax() {
        // Opening the dialog without a state file gives the default table.
        app.dialogState().ensureLoaded();
        app.profile.StateStatus = "Single";
        app.profile.BiWeekly = true;
    }
    float taxFor(float wages, float exemption) {
        app.period.StateTax = 0.0f;
        app.period.TaxableWages = wages;
        app.period.StateExemption = exemption;
        GetStateTax(stateMethodInput(app), app.period);
        return static_cast<float>(app.period.StateTax.number());
    }
};

TEST_F(GenericStateTax, WorkedExamples) {
    struct Case {
        const char* what;
        bool weekly;
        const char* status;
        float wages, exemption, cafe, calAllow;
        float wage, tax;
    };
    const Case cases[] = {
        {"single bi-weekly, row 2", false, "Single", 400, 284.6f, 0, 0, 115.4f, 4.616f},
        {"single weekly halves the allowance", true, "Single", 200, 284.6f, 0, 0, 57.7f, 2.308f},
        {"cafeteria amount is not halved", true, "Single", 210, 284.6f, 10, 0, 57.7f, 2.308f},
        {"weekly row minimum is halved", true, "Single", 163.5f, 0, 0, 0, 163.5f, 6.54f},
        {"below row 1 gives no tax", false, "Single", 100, 284.6f, 0, 0, -184.6f, 0},
        {"California allowance comes off the tax", false, "Single", 400, 284.6f, 0, 1.5f, 115.4f, 3.116f},
        {"allowance larger than the tax", false, "Single", 400, 284.6f, 0, 10, 115.4f, -5.384f},
        {"empty status takes the married table", false, "", 3723 + 10, 0, 0, 0, 3733, 225.15f + 0.783f},
        {"misspelled status takes the married table", false, "single", 3723 + 10, 0, 0, 0, 3733, 225.933f},
        {"top row has no upper bound", false, "Single", 10285, 0, 0, 0, 10285, 569.19f + 2000 * 0.0856f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app.profile.Weekly = c.weekly;
        app.profile.BiWeekly = !c.weekly;
        app.profile.StateStatus = c.status;
        app.period.CafeState = c.cafe;
        app.state.CalAllow = c.calAllow;
        const float tax = taxFor(c.wages, c.exemption);
        EXPECT_NEAR(app.period.StateWage, c.wage, 1e-3);
        EXPECT_NEAR(tax, c.tax, 1e-4);
        EXPECT_TRUE(app.period.StateTax.isSingle());
    }
}

TEST_F(GenericStateTax, UnusedRowsAndHugeWages) {
    // Rows 7 to 10 unused: a wage of 999999 or more falls into row 10 and gets 0.
    for (int r = 6; r < 10; ++r) {
        app.state.StateMinBS[r] = 999999;
        app.state.StateAmtBS[r] = 0;
        app.state.StatePerBS[r] = 0;
    }
    EXPECT_EQ(taxFor(2000000, 0), 0.0f);
    // Row 6 runs up to 999999.
    EXPECT_NEAR(taxFor(5000, 0), 184.35f + (5000 - 3102) * 0.0657f, 1e-3);
}

TEST_F(GenericStateTax, WageAtARowsMinimumFallsIntoThatRow) {
    app.state.StateMinBS = {0, 100, 999999, 999999, 999999, 999999, 999999, 999999, 999999, 999999};
    app.state.StateAmtBS = {0, 7, 0, 0, 0, 0, 0, 0, 0, 0};
    app.state.StatePerBS = {0.5f, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(taxFor(100, 0), 7.0f);
    EXPECT_EQ(taxFor(99.5f, 0), 49.75f);
    app.profile.BiWeekly = false;
    app.profile.Weekly = true;
    EXPECT_EQ(taxFor(50, 0), 3.5f);
    EXPECT_EQ(taxFor(49.5f, 0), 24.75f);
}

TEST_F(GenericStateTax, OutOfOrderMinimumsLetTheLastMatchingRowWin) {
    app.state.StateMinBS = {0, 500, 100, 999999, 999999, 999999, 999999, 999999, 999999, 999999};
    app.state.StateAmtBS = {0, 0, 50, 0, 0, 0, 0, 0, 0, 0};
    app.state.StatePerBS = {0.01f, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    // 200: row 1 (0 <= 200 < 500) and row 3 (100 <= 200 < 999999) both apply.
    EXPECT_NEAR(taxFor(200, 0), 50.0f, 1e-6);
}

TEST_F(GenericStateTax, NoFrequencyEvaluatesNoRow) {
    app.profile.BiWeekly = false;
    app.profile.Weekly = false;
    app.state.CalAllow = 7;
    app.period.StateWage = 123;
    EXPECT_EQ(taxFor(400, 284.6f), -7.0f);
    EXPECT_EQ(app.period.StateWage, 123.0f);
}

TEST_F(GenericStateTax, OddTypedValuesDoNotCrash) {
    const float odd[] = {-1e30f, 1e30f, 3.4e38f, -0.0f, 1e-30f};
    for (float v : odd) {
        app.state.StateMinBS.fill(v);
        app.state.StatePerBS.fill(v);
        app.state.StateAmtBS.fill(v);
        app.state.CalAllow = v;
        taxFor(v, v);
        app.profile.Weekly = !app.profile.Weekly;
        app.profile.BiWeekly = !app.profile.BiWeekly;
        taxFor(-v, v);
    }
    SUCCEED();
}

TEST(BracketWalker, ReportsEveryApplyingRowWithWeeklyHalves) {
    const std::array<float, 10> mins = {0, 100, 50, 999999, 999999, 999999, 999999, 999999, 999999, 200};
    const std::array<float, 10> amts = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::array<float, 10> rates = {.1f, .2f, .3f, .4f, .5f, .6f, .7f, .8f, .9f, .95f};
    const BracketColumns t{mins, amts, rates};
    auto rowsFor = [&](float wage, bool weekly, int rows) {
        std::vector<BracketRow> out;
        walkBrackets(t, rows, wage, weekly, [&](const BracketRow& r) { out.push_back(r); });
        return out;
    };
    // 60: row 0 (0 <= 60 < 100) and row 2 (50 <= 60 < 999999).
    auto hit = rowsFor(60, false, 10);
    ASSERT_EQ(hit.size(), 2u);
    EXPECT_EQ(hit[0].index, 0);
    EXPECT_EQ(hit[1].index, 2);
    EXPECT_FALSE(hit[1].top);
    // Weekly: 30 against halved minimums 0, 50, 25: rows 0 and 2, amounts halved.
    hit = rowsFor(30, true, 10);
    ASSERT_EQ(hit.size(), 2u);
    EXPECT_EQ(hit[1].min, 25.0f);
    EXPECT_EQ(hit[1].amount, 1.5f);
    EXPECT_EQ(hit[1].rate, .3f);
    // The last row walked has no upper bound; rows past it take no part.
    // 250: row 2 (50 <= 250 < 999999) and row 9 (250 >= 200), in that order.
    hit = rowsFor(250, false, 10);
    ASSERT_EQ(hit.size(), 2u);
    EXPECT_EQ(hit[1].index, 9);
    EXPECT_TRUE(hit[1].top);
    hit = rowsFor(5000, false, 3);
    ASSERT_EQ(hit.size(), 1u);
    EXPECT_EQ(hit[0].index, 2);
    EXPECT_TRUE(hit[0].top);
    EXPECT_TRUE(rowsFor(-1, false, 10).empty());
    EXPECT_TRUE(rowsFor(5, false, 0).empty());
}

TEST_F(GenericStateTax, NoMethodFlagOrArizonaRunsTheGenericTable) {
    app.period.TaxableWages = 400;
    app.period.StateExemption = 284.6f;
    for (int ariz : {0, 1}) {
        app.state.UseAriz = static_cast<std::int16_t>(ariz);
        app.period.StateTax = 0.0f;
        RunStateMethods(app);
        EXPECT_NEAR(app.period.StateTax.number(), 4.616, 1e-4);
    }
    // A state method chosen: the generic table does not run.
    app.state.UseMissouri = 1;
    app.period.StateTax = 0.0f;
    app.period.StateWage = 0;
    RunStateMethods(app);
    EXPECT_NE(app.period.StateWage, 115.4f);
}

}  // namespace
}  // namespace qv::test
