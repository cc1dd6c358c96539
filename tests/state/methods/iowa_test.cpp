#include "state/methods/state_method_fixture.h"

namespace qv {
namespace {

using testing_support::Pay;
using testing_support::RowText;
using testing_support::StateMethodTest;

class Iowa : public StateMethodTest {};

struct IowaCase {
    const char* what;
    Pay pay;
    int allowances;
    float wages;
    float fedTax;
    double expected;
};

TEST_F(Iowa, WorkedExamples) {
    const IowaCase cases[] = {
        {"large standard deduction from 2 allowances", Pay::BiWeekly, 2, 1200, 100, 42.06148},
        {"small standard deduction for 1 allowance", Pay::BiWeekly, 1, 1000, 100, 36.64779},
        {"negative wage, negative result", Pay::BiWeekly, 2, 50, 0, -3.46214},
        {"weekly", Pay::Weekly, 2, 600, 50, 21.03042},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        employee(c.pay, "Single", c.allowances);
        applyPreset(&DialogState::IowaSet);
        resetPeriod();
        app.period.TaxableWages = c.wages;
        app.period.FedTax = c.fedTax;
        run(GetIowaTax, c.allowances);
        EXPECT_NEAR(stateTax(), c.expected, 5e-4);
    }
}

TEST_F(Iowa, BracketsIncludeTheirUpperBound) {
    employee(Pay::BiWeekly, "Single", 0);
    applyPreset(&DialogState::IowaSet);
    app.state.StateSgExp.fill(0);
    app.state.StateMarExp.fill(0);
    const std::pair<float, double> cases[] = {{50, 0.18}, {100, 0.54}, {2250, 142.18}, {3000, 209.53}};
    for (const auto& [wage, expected] : cases) {
        resetPeriod();
        app.period.TaxableWages = wage;
        app.period.FedTax = 0;
        run(GetIowaTax, 0);
        EXPECT_NEAR(stateTax(), expected, 1e-4) << wage;
    }
}

TEST_F(Iowa, PresetFillsStandardAndCreditAndSetsRoundState) {
    struct Case {
        Pay pay;
        const char* small;
        const char* large;
        const char* credit1;
        const char* credit9;
    };
    const Case cases[] = {
        {Pay::BiWeekly, "63.46", "156.15", "1.54", "13.86"},
        {Pay::Weekly, "31.73", "78.08", "0.77", "6.93"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.small);
        employee(c.pay, "Single", 0);
        dialog().ckRoundOff = 0;
        dialog().IowaSet();
        const DialogState& d = dialog();
        EXPECT_EQ(d.txtStateSgExp[0], c.small);
        EXPECT_EQ(d.txtStateSgExp[1], c.small);
        for (int n = 2; n < 10; ++n) EXPECT_EQ(d.txtStateSgExp[n], c.large) << n;
        EXPECT_EQ(d.txtStateMarExp[0], "0");
        EXPECT_EQ(d.txtStateMarExp[1], c.credit1);
        EXPECT_EQ(d.txtStateMarExp[9], c.credit9);
        for (int r = 0; r < 10; ++r) {
            EXPECT_EQ(testing_support::singleRow(d, r), (RowText{"999999", "0", "0"}));
            EXPECT_TRUE(testing_support::rowDisabled(d, r));
        }
        for (int n : {19, 20, 21}) EXPECT_FALSE(d.LabelVisible[n]) << n;
        EXPECT_EQ(d.Label[14], "Standard");
        EXPECT_EQ(d.Label[15], "Credit");
        EXPECT_EQ(d.ckRoundOff, 1);
    }
}

}  // namespace
}  // namespace qv
