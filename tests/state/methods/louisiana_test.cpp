#include "state/methods/state_method_fixture.h"

namespace qv {
namespace {

using testing_support::Pay;
using testing_support::RowText;
using testing_support::StateMethodTest;

class Louisiana : public StateMethodTest {
protected:
    // The two count boxes as the user types them, saved into the record.
    void counts(Pay pay, const char* personal, const char* dependents) {
        employee(pay, "Single", 0);
        dialog().LouisianaSet();
        dialog().txtStateSgExp[0] = personal;
        dialog().txtStateMarExp[0] = dependents;
        ASSERT_TRUE(dialog().fillVari());
        resetPeriod();
    }
};

struct LouisianaCase {
    const char* what;
    Pay pay;
    const char* personal;
    const char* dependents;
    float gross;
    double current;
    double prior;
};

TEST_F(Louisiana, WorkedExamples) {
    const LouisianaCase cases[] = {
        {"one personal exemption", Pay::BiWeekly, "1", "0", 1000, 25.673, 24.89412},
        {"two personal exemptions", Pay::BiWeekly, "2", "1", 2000, 51.05757, 48.98061},
        {"two personal exemptions, prior thresholds doubled", Pay::BiWeekly, "2", "0", 1000, 14.36523, 14.24985},
        {"weekly, above the second threshold", Pay::Weekly, "1", "2", 1000, 31.04813, 35.63948},
        {"no exemptions", Pay::BiWeekly, "0", "0", 300, 6.3, 6.3},
        {"a half count rounds to the even count", Pay::BiWeekly, "2.5", "1", 2000, 51.05757, 48.98061},
        {"gross pay of 0", Pay::BiWeekly, "1", "0", 0, 0, 0},
        {"negative gross pay", Pay::BiWeekly, "1", "0", -100, 0, 0},
        {"credit above the tax gives 0", Pay::BiWeekly, "1", "6", 100, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        counts(c.pay, c.personal, c.dependents);
        app.period.GrossPay = c.gross;
        run(GetLouisianaTax);
        EXPECT_NEAR(stateTax(), c.current, 5e-4) << "current formula";
        resetPeriod();
        app.period.GrossPay = c.gross;
        run(GetLouisianaPriorTax);
        EXPECT_NEAR(stateTax(), c.prior, 5e-4) << "formula before July 1";
    }
}

TEST_F(Louisiana, WorkedExampleShowsAs2567) {
    counts(Pay::BiWeekly, "1", "0");
    app.period.GrossPay = 1000;
    run(GetLouisianaTax);
    EXPECT_EQ(stateTaxCents(), "25.67");
}

TEST_F(Louisiana, ThreePersonalExemptionsHaveNoCurrentFormula) {
    counts(Pay::BiWeekly, "3", "0");
    app.period.GrossPay = 1000;
    run(GetLouisianaTax);
    EXPECT_EQ(stateTax(), 0);
}

TEST_F(Louisiana, PresetTurnsTheAllowanceTableIntoTwoCounts) {
    employee(Pay::BiWeekly, "Single", 0);
    dialog().txtStateMinBS[0] = "12";
    dialog().txtStateAmtBS[0] = "3";
    app.state.StateSgExp[0] = 5;  // more than 2 personal exemptions
    app.state.StateMarExp[0] = 4;
    dialog().LouisianaSet();
    const DialogState& d = dialog();
    EXPECT_EQ(d.Label[14], "Personal");
    EXPECT_EQ(d.Label[15], "Dependent");
    EXPECT_EQ(d.Label[21], "Enter Number Of");
    EXPECT_EQ(d.Label[13], "");
    EXPECT_EQ(d.Label[5], "Table for MARRIED Persons");
    for (int n = 0; n < 10; ++n) EXPECT_EQ(d.Label27[n], "");
    EXPECT_EQ(d.txtStateSgExp[0], "2") << "capped at 2";
    EXPECT_EQ(d.txtStateMarExp[0], "4");
    EXPECT_TRUE(d.txtStateSgExpEnabled[0]);
    EXPECT_TRUE(d.txtStateMarExpEnabled[0]);
    for (int n = 1; n < 10; ++n) {
        EXPECT_EQ(d.txtStateSgExp[n], "0");
        EXPECT_EQ(d.txtStateMarExp[n], "0");
        EXPECT_FALSE(d.txtStateSgExpEnabled[n]);
        EXPECT_FALSE(d.txtStateMarExpEnabled[n]);
    }
    EXPECT_EQ(testing_support::singleRow(d, 0), (RowText{"12", "3", "0"})) << "row 1 keeps minimum and amount";
    EXPECT_EQ(d.txtStatePerBM[0], "0");
    for (int r = 1; r < 10; ++r) EXPECT_EQ(testing_support::marriedRow(d, r), (RowText{"999999", "0", "0"}));
    for (int r = 0; r < 10; ++r) EXPECT_TRUE(testing_support::rowDisabled(d, r));
}

TEST_F(Louisiana, DependentsAreCappedAtSix) {
    employee(Pay::BiWeekly, "Single", 0);
    app.state.StateSgExp[0] = 1;
    app.state.StateMarExp[0] = 9;
    dialog().LouisianaSet();
    EXPECT_EQ(dialog().txtStateSgExp[0], "1");
    EXPECT_EQ(dialog().txtStateMarExp[0], "6");
}

TEST_F(Louisiana, HugeCountsDoNotCrash) {
    for (const char* typed : {"99999999999999999999", "-99999999999999999999", "340000000000000000000000000000000000000"}) {
        counts(Pay::BiWeekly, "1", typed);
        app.period.GrossPay = 1000;
        run(GetLouisianaTax);
        EXPECT_TRUE(std::isfinite(stateTax())) << typed;
        run(GetLouisianaPriorTax);
        EXPECT_TRUE(std::isfinite(stateTax())) << typed;
    }
}

}  // namespace
}  // namespace qv
