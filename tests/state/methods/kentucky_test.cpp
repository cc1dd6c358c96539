#include "state/methods/state_method_fixture.h"

namespace qv {
namespace {

using testing_support::Pay;
using testing_support::RowText;
using testing_support::StateMethodTest;

class Kentucky : public StateMethodTest {};

struct KentuckyCase {
    const char* what;
    Pay pay;
    const char* status;
    int exemptions;
    float gross;
    double expected;
};

TEST_F(Kentucky, WorkedExamples) {
    const KentuckyCase cases[] = {
        {"bi-weekly, row 5", Pay::BiWeekly, "Single", 1, 1000, 45.0061},
        {"weekly, row 5", Pay::Weekly, "Single", 1, 500, 22.5035},
        {"below the standard deduction: negative", Pay::BiWeekly, "Single", 1, 50, -1.29268},
        {"row 2", Pay::BiWeekly, "Single", 1, 225.384f, 2.3612},
        {"row 3", Pay::BiWeekly, "Single", 1, 275.384f, 4.1228},
        {"row 4", Pay::BiWeekly, "Single", 1, 345.384f, 7.4998},
        {"row 6 takes over above row 5's maximum", Pay::BiWeekly, "Single", 1, 3095.384f, 166.76914},
        {"married credit column", Pay::BiWeekly, "Married", 3, 1000, 44.2361},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        employee(c.pay, c.status, c.exemptions);
        applyPreset(&DialogState::KentuckySet);
        resetPeriod();
        app.period.GrossPay = c.gross;
        run(GetKentuckyTax);
        EXPECT_NEAR(stateTax(), c.expected, 5e-4);
    }
}

TEST_F(Kentucky, PresetWritesTheEmployeesFrequency) {
    struct Case {
        Pay pay;
        bool headingsEnabled;
        RowText row1, row5;
        const char* credit9;
    };
    const Case cases[] = {
        {Pay::BiWeekly, true, {"115.38", "95.384", "0.02"}, {"2884.61", "95.384", "0.058"}, "3.465"},
        {Pay::Weekly, false, {"57.69", "47.692", "0.02"}, {"1442.3", "47.692", "0.058"}, "1.728"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.credit9);
        employee(c.pay, "Single", 0);
        dialog().KentuckySet();
        const DialogState& d = dialog();
        EXPECT_EQ(testing_support::singleRow(d, 0), c.row1);
        EXPECT_EQ(testing_support::marriedRow(d, 0), c.row1);
        EXPECT_EQ(testing_support::singleRow(d, 4), c.row5);
        for (int r = 0; r < 6; ++r) EXPECT_TRUE(testing_support::rowEnabled(d, r));
        for (int r = 6; r < 10; ++r) {
            EXPECT_EQ(testing_support::singleRow(d, r), (RowText{"999999", "0", "0"}));
            EXPECT_TRUE(testing_support::rowDisabled(d, r));
        }
        EXPECT_EQ(d.txtStateSgExp[9], c.credit9);
        EXPECT_EQ(d.txtStateMarExp[9], c.credit9);
        for (int n : {19, 20, 21}) EXPECT_EQ(d.LabelEnabled[n], c.headingsEnabled);
    }
}

}  // namespace
}  // namespace qv
