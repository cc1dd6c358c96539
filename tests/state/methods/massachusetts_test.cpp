#include "ledger/year_ledger.h"
#include "state/methods/state_method_fixture.h"

namespace qv {
namespace {

using testing_support::Pay;
using testing_support::RowText;
using testing_support::StateMethodTest;

class Massachusetts : public StateMethodTest {};

struct MassCase {
    const char* what;
    Pay pay;
    int exemptions;
    float gross, socSec, medicare;
    float yearSocSec, yearMedicare;
    double expected;
};

TEST_F(Massachusetts, WorkedExamples) {
    const MassCase cases[] = {
        {"year's FICA under 2000: the period's FICA is deducted", Pay::BiWeekly, 1, 2000, 124, 29, 1200, 300, 85.578},
        {"year's FICA over 2000: not deducted", Pay::BiWeekly, 1, 2000, 124, 29, 1700, 300.5f, 93.381},
        {"year's FICA exactly 2000 still deducts", Pay::BiWeekly, 1, 2000, 124, 29, 1700, 300, 85.578},
        {"weekly employee subtracts half the exemption", Pay::Weekly, 2, 1000, 62, 14.5f, 0, 0, 41.82},
        {"no exemptions", Pay::BiWeekly, 0, 1000, 0, 0, 0, 0, 51},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        employee(c.pay, "Married", c.exemptions);
        applyPreset(&DialogState::MassSet);
        resetPeriod();
        app.period.GrossPay = c.gross;
        app.period.SocSec = c.socSec;
        app.period.Medicare = c.medicare;
        app.ledger.TotSS = c.yearSocSec;
        app.ledger.TotMedi = c.yearMedicare;
        run(GetMassTax);
        EXPECT_NEAR(stateTax(), c.expected, 5e-4);
    }
}

TEST_F(Massachusetts, OnlyTheSingleRateOfRowOneCounts) {
    employee(Pay::BiWeekly, "Married", 1);
    dialog().MassSet();
    dialog().txtStatePerBS[0] = "0.06";
    dialog().txtStatePerBM[0] = "0.5";
    ASSERT_TRUE(dialog().fillVari());
    resetPeriod();
    app.period.GrossPay = 2000;
    app.period.SocSec = 124;
    app.period.Medicare = 29;
    run(GetMassTax);
    EXPECT_NEAR(stateTax(), 1678 * 0.06, 5e-4);
}

TEST_F(Massachusetts, PresetLeavesOnlyRowOneEditable) {
    employee(Pay::BiWeekly, "Single", 0);
    dialog().MassSet();
    const DialogState& d = dialog();
    EXPECT_EQ(testing_support::singleRow(d, 0), (RowText{"0", "0", "0.051"}));
    EXPECT_EQ(testing_support::marriedRow(d, 0), (RowText{"0", "0", "0.051"}));
    EXPECT_TRUE(testing_support::rowEnabled(d, 0));
    for (int r = 1; r < 10; ++r) {
        EXPECT_EQ(testing_support::singleRow(d, r), (RowText{"999999", "0", "0"}));
        EXPECT_TRUE(testing_support::rowDisabled(d, r));
    }
    const char* expected[] = {"0", "169", "207", "245", "283", "321", "359", "397", "435", "473"};
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(d.txtStateSgExp[n], expected[n]);
        EXPECT_EQ(d.txtStateMarExp[n], expected[n]);
        EXPECT_EQ(d.Label27[n], std::to_string(n));
    }
}

}  // namespace
}  // namespace qv
