#include "state/methods/state_method_fixture.h"

namespace qv {
namespace {

using testing_support::Pay;
using testing_support::RowText;
using testing_support::StateMethodTest;

class Utah : public StateMethodTest {};

struct UtahCase {
    const char* what;
    Pay pay;
    const char* status;
    int exemptions;
    float wages;
    float cafe;
    double expected;
};

TEST_F(Utah, WorkedExamples) {
    const UtahCase cases[] = {
        {"row 5: rate on the whole wage, less the credit", Pay::BiWeekly, "Single", 2, 600, 0, 14},
        {"top row: no credit", Pay::BiWeekly, "Single", 2, 2000, 0, 100},
        {"weekly: halved minimums, weekly credit", Pay::Weekly, "Single", 2, 300, 0, 8},
        {"just below a minimum: the lower rate", Pay::BiWeekly, "Single", 2, 564.99f, 0, 6.9497},
        {"on the minimum: the higher rate", Pay::BiWeekly, "Single", 2, 565, 0, 12.6},
        {"married table", Pay::BiWeekly, "Married", 1, 1000, 0, 25},
        {"cafeteria plan lowers the wage below every row", Pay::BiWeekly, "Single", 2, 50, 100, -10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        employee(c.pay, c.status, c.exemptions);
        applyPreset(&DialogState::UtahSet);
        resetPeriod();
        pickAllowance();
        app.period.TaxableWages = c.wages;
        app.period.CafeState = c.cafe;
        run(GetUtahTax);
        EXPECT_NEAR(stateTax(), c.expected, 5e-4);
    }
}

TEST_F(Utah, TopRowClearsTheAllowanceUntilTheDriverPicksItAgain) {
    employee(Pay::BiWeekly, "Single", 2);
    applyPreset(&DialogState::UtahSet);
    resetPeriod();
    pickAllowance();
    app.period.TaxableWages = 2000;
    run(GetUtahTax);
    EXPECT_EQ(app.period.StateExemption, 0);
}

TEST_F(Utah, PresetWritesCreditsForTheFrequencyAndHidesSpouseWorks) {
    struct Case {
        Pay pay;
        const char* credit1;
        const char* credit9;
    };
    const Case cases[] = {{Pay::BiWeekly, "5", "45"}, {Pay::Weekly, "2", "18"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.credit1);
        employee(c.pay, "Single", 0);
        dialog().ckSpouse = 1;
        dialog().ckSpouseVisible = true;
        dialog().UtahSet();
        const DialogState& d = dialog();
        EXPECT_EQ(d.txtStateSgExp[1], c.credit1);
        EXPECT_EQ(d.txtStateMarExp[9], c.credit9);
        EXPECT_EQ(testing_support::singleRow(d, 4), (RowText{"565", "0", "0.04"}));
        EXPECT_EQ(testing_support::marriedRow(d, 4), (RowText{"1131", "0", "0.04"}));
        EXPECT_EQ(testing_support::marriedRow(d, 6), (RowText{"3062", "0", "0.05"}));
        for (int r = 7; r < 10; ++r) EXPECT_EQ(testing_support::singleRow(d, r), (RowText{"999999", "0", "0"}));
        for (int r = 0; r < 10; ++r) EXPECT_TRUE(testing_support::rowEnabled(d, r));
        EXPECT_EQ(d.ckSpouse, 0);
        EXPECT_FALSE(d.ckSpouseVisible);
    }
}

}  // namespace
}  // namespace qv
