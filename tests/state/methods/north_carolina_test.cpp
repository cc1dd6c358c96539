#include "state/methods/state_method_fixture.h"

namespace qv {
namespace {

using testing_support::Pay;
using testing_support::RowText;
using testing_support::StateMethodTest;

class NorthCarolina : public StateMethodTest {};

struct NCCase {
    const char* what;
    Pay pay;
    const char* status;
    int exemptions;
    float wages;
    float calAllow;
    double expected;
};

TEST_F(NorthCarolina, WorkedExamples) {
    const NCCase cases[] = {
        {"bi-weekly, row 3", Pay::BiWeekly, "Single", 1, 1000, 0, 50.2895},
        {"weekly halves only the allowance", Pay::Weekly, "Single", 1, 500, 0, 25.14475},
        {"California allowance comes off in full, also weekly", Pay::Weekly, "Single", 1, 600, 100, 25.14475},
        {"married table", Pay::BiWeekly, "Married", 0, 1000, 0, 57.84},
        {"driven below 0: row 1 has rate 0", Pay::BiWeekly, "Single", 2, 100, 50, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        employee(c.pay, c.status, c.exemptions);
        applyPreset(&DialogState::NCSet);
        app.state.CalAllow = c.calAllow;
        resetPeriod();
        pickAllowance();
        app.period.TaxableWages = c.wages;
        run(GetNCTax);
        EXPECT_NEAR(stateTax(), c.expected, 5e-4);
    }
}

TEST_F(NorthCarolina, WorkedExampleShowsAs5029) {
    employee(Pay::BiWeekly, "Single", 1);
    applyPreset(&DialogState::NCSet);
    resetPeriod();
    pickAllowance();
    app.period.TaxableWages = 1000;
    run(GetNCTax);
    EXPECT_FLOAT_EQ(app.period.StateWage, 903.85f);
    EXPECT_EQ(stateTaxCents(), "50.29");
}

TEST_F(NorthCarolina, PresetTables) {
    employee(Pay::BiWeekly, "Single", 0);
    dialog().NCSet();
    const DialogState& d = dialog();
    EXPECT_EQ(testing_support::singleRow(d, 1), (RowText{"115.38", "6.92", "0.06"}));
    EXPECT_EQ(testing_support::singleRow(d, 2), (RowText{"605.77", "12.98", "0.07"}));
    EXPECT_EQ(testing_support::marriedRow(d, 2), (RowText{"524.04", "12.16", "0.07"}));
    EXPECT_EQ(testing_support::marriedRow(d, 3), (RowText{"2038.46", "27.45", "0.0775"}));
    for (int r = 4; r < 10; ++r) EXPECT_EQ(testing_support::singleRow(d, r), (RowText{"999999", "0", "0"}));
    for (int r = 0; r < 10; ++r) EXPECT_TRUE(testing_support::rowEnabled(d, r));
    const char* allowances[] = {"0", "96.15", "192.3", "288.45", "384.6", "480.75", "576.9", "673.05", "769.2", "865.35"};
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(d.txtStateSgExp[n], allowances[n]);
        EXPECT_EQ(d.txtStateMarExp[n], allowances[n]);
    }
}

}  // namespace
}  // namespace qv
