#include "state/methods/state_method_fixture.h"

namespace qv {
namespace {

using testing_support::Pay;
using testing_support::StateMethodTest;

class Alabama : public StateMethodTest {};

struct AlabamaCase {
    const char* what;
    Pay pay;
    const char* fedStatus;
    const char* stateStatus;
    int dependents;
    float gross;
    float fedTax;
    double expected;
};

TEST_F(Alabama, WorkedExamples) {
    const AlabamaCase cases[] = {
        {"single, gross on a band bound takes the lower band", Pay::BiWeekly, "Single", "Single", 1, 1000, 100, 35.3366},
        {"no dependents, no dependent allowance", Pay::BiWeekly, "Single", "Single", 0, 1000, 100, 36.2981},
        {"federal single, state married: no standard deduction", Pay::BiWeekly, "Single", "Married", 0, 1000, 100,
         36.1541},
        {"married filing single for the state", Pay::BiWeekly, "Married", "Single", 0, 450, 20, 10.8811},
        {"4 % band", Pay::BiWeekly, "Single", "Single", 0, 250, 0, 3.4618},
        {"high pay: smallest dependent rate", Pay::BiWeekly, "Single", "Single", 2, 4000, 500, 165.5771},
        {"deductions above gross: negative", Pay::BiWeekly, "Single", "Single", 2, 100, 50, -3.6152},
        {"weekly single", Pay::Weekly, "Single", "Single", 1, 500, 50, 17.6681},
        {"weekly married", Pay::Weekly, "Married", "Married", 3, 300, 10, 0.831},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        employee(c.pay, c.stateStatus, c.dependents);
        app.profile.FedStatus = c.fedStatus;
        resetPeriod();
        app.period.GrossPay = c.gross;
        app.period.FedTax = c.fedTax;
        run(GetAlabama, c.dependents);
        EXPECT_NEAR(stateTax(), c.expected, 5e-5);
        EXPECT_TRUE(app.period.StateTax.isDouble()) << "Alabama keeps its tax as a double";
    }
}

TEST_F(Alabama, WorkedExampleShowsAs3534) {
    employee(Pay::BiWeekly, "Single", 1);
    app.profile.FedStatus = "Single";
    resetPeriod();
    app.period.GrossPay = 1000;
    app.period.FedTax = 100;
    run(GetAlabama, 1);
    EXPECT_EQ(stateTaxCents(), "35.34");
}

TEST_F(Alabama, NeitherFrequencyUsesTheWeeklyAmounts) {
    employee(Pay::Weekly, "Single", 1);
    app.profile.FedStatus = "Single";
    app.profile.Weekly = false;
    resetPeriod();
    app.period.GrossPay = 500;
    app.period.FedTax = 50;
    run(GetAlabama, 1);
    EXPECT_NEAR(stateTax(), 17.6681, 5e-5);
}

TEST_F(Alabama, PresetZeroesAndLocksEveryTableBox) {
    employee(Pay::BiWeekly, "Single", 0);
    dialog().AlabamaSet();
    const DialogState& d = dialog();
    for (int r = 0; r < 10; ++r) {
        for (const auto* column : {&d.txtStateMinBS, &d.txtStateAmtBS, &d.txtStatePerBS, &d.txtStateMinBM,
                                   &d.txtStateAmtBM, &d.txtStatePerBM, &d.txtStateSgExp, &d.txtStateMarExp})
            EXPECT_EQ((*column)[r], "0") << r;
        EXPECT_TRUE(testing_support::rowDisabled(d, r));
        EXPECT_FALSE(d.txtStateSgExpEnabled[r]);
        EXPECT_FALSE(d.txtStateMarExpEnabled[r]);
        EXPECT_EQ(d.Label27[r], std::to_string(r));
    }
}

}  // namespace
}  // namespace qv
