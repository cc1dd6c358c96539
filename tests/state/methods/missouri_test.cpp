#include "state/methods/state_method_fixture.h"

namespace qv {
namespace {

using testing_support::Pay;
using testing_support::RowText;
using testing_support::StateMethodTest;

class Missouri : public StateMethodTest {};

struct MissouriCase {
    const char* what;
    Pay pay;
    const char* status;
    int spouseWorks;
    int allowances;
    float wages;
    float fedTax;
    double expected;
};

TEST_F(Missouri, WorkedExamples) {
    const MissouriCase cases[] = {
        {"federal tax under the cap", Pay::BiWeekly, "Single", 0, 2, 1500, 150, 50.076},
        {"federal tax over the cap: nothing deducted for it", Pay::BiWeekly, "Single", 0, 2, 1500, 400, 59.076},
        {"married, spouse at home: large deduction, large cap", Pay::BiWeekly, "Married", 0, 2, 1500, 300, 26.4222},
        {"married, spouse works: single deduction, half cap", Pay::BiWeekly, "Married", 1, 2, 1500, 300, 59.076},
        {"weekly, middle bracket", Pay::Weekly, "Single", 0, 1, 232.5f, 0, 1.5},
        {"weekly, top bracket", Pay::Weekly, "Single", 0, 1, 700, 80, 22.995},
        {"negative wage taxed by the first rate", Pay::BiWeekly, "Single", 0, 0, 100, 0, -2.16345},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        employee(c.pay, c.status, c.allowances);
        dialog().ckSpouse = c.spouseWorks;
        applyPreset(&DialogState::MissouriSet);
        resetPeriod();
        dialog().ckRoundOff = 0;
        app.period.TaxableWages = c.wages;
        app.period.FedTax = c.fedTax;
        // As the calculation runs it: the method chosen in the record.
        app.state.UseMissouri = 1;
        RunStateMethods(app);
        EXPECT_NEAR(stateTax(), c.expected, 5e-4);
        EXPECT_EQ(dialog().ckRoundOff, 1) << "the tax is rounded to whole dollars";
    }
}

TEST_F(Missouri, BracketBoundsBelongToTheLowerBracket) {
    employee(Pay::BiWeekly, "Single", 0);
    applyPreset(&DialogState::MissouriSet);
    // No deductions, so the wage is the taxable wage itself.
    app.state.StateSgExp.fill(0);
    app.state.StateMarExp.fill(0);
    const std::pair<float, double> cases[] = {{39, 0.585}, {77, 1.345}, {349, 12.285}, {350, 12.345}};
    for (const auto& [wage, expected] : cases) {
        resetPeriod();
        app.period.TaxableWages = wage;
        app.period.FedTax = 0;
        run(GetMissouriTax, 0);
        EXPECT_NEAR(stateTax(), expected, 1e-5) << wage;
    }
}

TEST_F(Missouri, CafeteriaPlanLowersTheWage) {
    employee(Pay::BiWeekly, "Single", 2);
    applyPreset(&DialogState::MissouriSet);
    resetPeriod();
    app.period.TaxableWages = 1600;
    app.period.CafeState = 100;
    app.period.FedTax = 150;
    run(GetMissouriTax, 2);
    EXPECT_NEAR(stateTax(), 50.076, 5e-4);
}

TEST_F(Missouri, PresetLocksTheTablesAndFillsStandardAndAllowance) {
    struct Case {
        Pay pay;
        const char* status;
        int spouseWorks;
        const char* standard;
        const char* allowance2;
        const char* allowance9;
    };
    const Case cases[] = {
        {Pay::BiWeekly, "Single", 0, "244.23", "126.92", "449.97"},
        {Pay::BiWeekly, "Single", 1, "244.23", "126.92", "449.97"},
        {Pay::BiWeekly, "Married", 0, "488.46", "126.92", "449.97"},
        {Pay::BiWeekly, "Married", 1, "244.23", "126.92", "449.97"},
        {Pay::Weekly, "Single", 0, "122.12", "63.46", "201.94"},
        {Pay::Weekly, "Married", 0, "244.23", "63.46", "201.94"},
        {Pay::Weekly, "Married", 1, "122.12", "63.46", "201.94"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.status) + (c.pay == Pay::Weekly ? " weekly" : " bi-weekly") +
                     (c.spouseWorks ? " spouse works" : ""));
        employee(c.pay, c.status, 0);
        dialog().ckSpouse = c.spouseWorks;
        dialog().ckRoundOff = 0;
        dialog().MissouriSet();
        const DialogState& d = dialog();
        for (int n = 0; n < 10; ++n) EXPECT_EQ(d.txtStateSgExp[n], c.standard) << n;
        EXPECT_EQ(d.txtStateMarExp[0], "0");
        EXPECT_EQ(d.txtStateMarExp[2], c.allowance2);
        EXPECT_EQ(d.txtStateMarExp[9], c.allowance9);
        for (int r = 0; r < 10; ++r) {
            EXPECT_EQ(testing_support::singleRow(d, r), (RowText{"999999", "0", "0"}));
            EXPECT_EQ(testing_support::marriedRow(d, r), (RowText{"999999", "0", "0"}));
            EXPECT_TRUE(testing_support::rowDisabled(d, r));
        }
        EXPECT_EQ(d.Label[14], "Standard");
        EXPECT_EQ(d.Label[15], "W4 Allowance");
        EXPECT_EQ(d.Label[13], "# of Exemp");
        EXPECT_FALSE(d.Frame1Enabled);
        EXPECT_EQ(d.ckRoundOff, 1);
    }
}

TEST_F(Missouri, WeeklyAllowancesAsPublished) {
    employee(Pay::Weekly, "Single", 0);
    dialog().MissouriSet();
    const char* expected[] = {"0", "40.38", "63.46", "86.54", "109.62", "132.7", "155.78", "178.86", "184.64", "201.94"};
    for (int n = 0; n < 10; ++n) EXPECT_EQ(dialog().txtStateMarExp[n], expected[n]) << n;
}

TEST_F(Missouri, AnotherStatusLeavesTheStandardDeductionAlone) {
    employee(Pay::BiWeekly, "Head", 0);
    dialog().txtStateSgExp.fill("7");
    dialog().MissouriSet();
    for (int n = 0; n < 10; ++n) EXPECT_EQ(dialog().txtStateSgExp[n], "7");
}

}  // namespace
}  // namespace qv
