#include "state/methods/state_method_fixture.h"

namespace qv {
namespace {

using testing_support::Pay;
using testing_support::RowText;
using testing_support::StateMethodTest;

class Wisconsin : public StateMethodTest {};

struct WisconsinCase {
    const char* what;
    void (DialogState::*preset)();
    Pay pay;
    const char* status;
    int exemptions;
    float wages;
    float calAllow;
    double expected;
};

TEST_F(Wisconsin, WorkedExamples) {
    const auto current = &DialogState::WisconsinAprilSet;
    const auto prior = &DialogState::WisconsinSet;
    const WisconsinCase cases[] = {
        {"current, row 4, less the credit", current, Pay::BiWeekly, "Single", 2, 1000, 0, 39.0241},
        {"current, weekly halves the table and the credit", current, Pay::Weekly, "Single", 2, 500, 0, 19.5120},
        {"below the first taxed row: the credit alone", current, Pay::BiWeekly, "Single", 2, 200, 0, -1.7},
        {"California allowance lowers the wage", current, Pay::BiWeekly, "Single", 2, 1100, 100, 39.0241},
        {"current, married", current, Pay::BiWeekly, "Married", 0, 1000, 0, 35.0688},
        {"before 4/1/14, row 4", prior, Pay::BiWeekly, "Single", 0, 600, 0, 24.1207},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        employee(c.pay, c.status, c.exemptions);
        applyPreset(c.preset);
        app.state.CalAllow = c.calAllow;
        resetPeriod();
        pickAllowance();
        app.period.TaxableWages = c.wages;
        run(GetWisconsinTax);
        EXPECT_NEAR(stateTax(), c.expected, 5e-4);
    }
}

TEST_F(Wisconsin, BothBoxesRunTwiceWithTheSameResult) {
    employee(Pay::BiWeekly, "Single", 2);
    applyPreset(&DialogState::WisconsinAprilSet);
    resetPeriod();
    pickAllowance();
    app.period.TaxableWages = 1000;
    run(GetWisconsinTax);
    run(GetWisconsinTax);
    EXPECT_NEAR(stateTax(), 39.0241, 5e-4);
}

TEST_F(Wisconsin, NeitherFrequencyTakesOnlyHalfTheCredit) {
    employee(Pay::BiWeekly, "Single", 2);
    applyPreset(&DialogState::WisconsinAprilSet);
    app.profile.BiWeekly = false;
    resetPeriod();
    pickAllowance();
    app.period.TaxableWages = 1000;
    run(GetWisconsinTax);
    EXPECT_NEAR(stateTax(), -0.85, 1e-6);
}

TEST_F(Wisconsin, PresetsWriteTheirTables) {
    struct Case {
        void (DialogState::*preset)();
        RowText single4, married4, single7;
    };
    const Case cases[] = {
        {&DialogState::WisconsinSet, {"454.81", "14.12", "0.06888"}, {"575", "17.62", "0.0738"},
         {"4428.46", "281.04", "0.0675"}},
        {&DialogState::WisconsinAprilSet, {"634.08", "16.79", "0.065408"}, {"823.08", "22.67", "0.07008"},
         {"9238.08", "567.9", "0.0765"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.single4.min);
        employee(Pay::Weekly, "Single", 0);
        dialog().txtStateSgExpEnabled.fill(false);
        (dialog().*c.preset)();
        const DialogState& d = dialog();
        EXPECT_EQ(testing_support::singleRow(d, 0), (RowText{"0", "0", "0"}));
        EXPECT_EQ(testing_support::singleRow(d, 3), c.single4);
        EXPECT_EQ(testing_support::marriedRow(d, 3), c.married4);
        EXPECT_EQ(testing_support::singleRow(d, 6), c.single7);
        for (int r = 7; r < 10; ++r) EXPECT_EQ(testing_support::marriedRow(d, r), (RowText{"999999", "0", "0"}));
        for (int r = 0; r < 10; ++r) EXPECT_TRUE(testing_support::rowEnabled(d, r));
        const char* credits[] = {"0", "0.85", "1.7", "2.55", "3.4", "4.25", "5.1", "5.95", "6.8", "7.65"};
        for (int n = 0; n < 10; ++n) {
            EXPECT_EQ(d.txtStateSgExp[n], credits[n]);
            EXPECT_EQ(d.txtStateMarExp[n], credits[n]);
        }
        EXPECT_FALSE(d.txtStateSgExpEnabled[0]) << "the allowance boxes keep their enabled state";
    }
}

}  // namespace
}  // namespace qv
