#include <gtest/gtest.h>

#include "common/format.h"
#include "federal/federal_tables.h"
#include "paysheet/calculate.h"
#include "paysheet_fixture.h"
#include "state/dialog_state.h"

namespace qv {
namespace {

using Calculation = testing::PaySheetSession;

TEST_F(Calculation, StraightTimeAndOvertime) {
    editProfile([](EmployeeProfile& p) { p.HourRate = 10; });
    calculate({"40", "", "", "2"});
    EXPECT_EQ(app.period.TotalOt, 30.0f);
    EXPECT_EQ(app.period.GrossPay, 430.0f);
    EXPECT_EQ(sheet().lbGross, "$430.00");
    EXPECT_EQ(sheet().lbOverT, "$30.00");
    // The boxes that held 0 are empty again, the others keep their text.
    EXPECT_EQ(sheet().txtAmount[0], "40");
    EXPECT_EQ(sheet().txtAmount[1], "");
    EXPECT_EQ(sheet().txtAmount[3], "2");
}

TEST_F(Calculation, RateZeroPaysTheDefaultRate) {
    calculate({"10"});
    EXPECT_EQ(app.period.PayRate, 7.5f);
    EXPECT_EQ(app.period.GrossPay, 75.0f);
}

TEST_F(Calculation, EmptyDashAndPointCountAsZeroAndAreEmptiedAfterwards) {
    calculate({"-", ".", "", " "});
    EXPECT_EQ(app.period.GrossPay, 0.0f);
    EXPECT_EQ(app.period.NetPay, 0.0f);
    EXPECT_EQ(sheet().lbGross, "");  // taxable wages of exactly 0 show no gross
    for (const auto& box : sheet().txtAmount) EXPECT_EQ(box, "");
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(Calculation, PlainOrDoubleOvertime) {
    editProfile([](EmployeeProfile& p) { p.HourRate = 10; });
    calculate({"", "", "3"});
    EXPECT_EQ(app.period.TotalOt, 30.0f);  // 3 hours at the rate
    sheet().opt1x = false;
    sheet().opt2x = true;
    calculate({"", "", "3"});
    EXPECT_EQ(app.period.TotalOt, 60.0f);  // 6 hours at the rate
    EXPECT_EQ(app.period.GrossPay, 60.0f);
}

TEST_F(Calculation, TipsAreTaxedButNotPaidOut) {
    editProfile([](EmployeeProfile& p) {
        p.HourRate = 10;
        p.TipsRate = 2;
    });
    calculate({"40"});
    const float netWithout = app.period.NetPay;
    const float taxesWithout = static_cast<float>(app.period.TaxDeduct.number());
    calculate({"40", "", "", "", "", "", "", "10"});
    EXPECT_EQ(app.period.GrossPay, 420.0f);
    EXPECT_EQ(sheet().lbTips, "$20.00");
    EXPECT_GT(app.period.TaxDeduct.number(), taxesWithout);
    // Net pay loses the extra taxes on the tips and gains nothing.
    EXPECT_NEAR(app.period.NetPay, netWithout - (app.period.TaxDeduct.number() - taxesWithout), 0.001);
}

TEST_F(Calculation, DollarAmountIsAddedInCurrency) {
    calculate({"", "", "", "", "", "", "123.4567"});
    EXPECT_EQ(app.period.Addit, Currency::fromUnits(1234567));
    EXPECT_EQ(app.period.GrossPay, 123.4567f);  // gross pay is not rounded to cents
}

TEST_F(Calculation, NotANumberChangesNothing) {
    editProfile([](EmployeeProfile& p) { p.HourRate = 10; });
    calculate({"40"});
    const auto filesBefore = filesIn(dir);
    const float gross = app.period.GrossPay;
    const std::string net = sheet().lbNet;
    for (const char* bad : {"1.2.3", "1-2", "4 0"}) {
        ui.clearShown();
        calculate({"40", bad});
        ASSERT_EQ(ui.messages().size(), 1u) << bad;
        EXPECT_EQ(ui.messages()[0], "You have entered a NON numerial.");
        EXPECT_EQ(sheet().txtAmount[0], "40");
        EXPECT_EQ(sheet().txtAmount[1], bad);
        EXPECT_EQ(app.period.GrossPay, gross);
        EXPECT_EQ(sheet().lbNet, net);
        EXPECT_EQ(filesIn(dir), filesBefore);
    }
}

TEST_F(Calculation, FederalExemptWithholdsNothingEvenTheAdditional) {
    editProfile([](EmployeeProfile& p) {
        p.HourRate = 20;
        p.FedAddL = 5;
        p.Weekly = true;
    });
    calculate({"40"});
    const float withAdditional = app.period.FedTax;
    EXPECT_GT(withAdditional, 5.0f);
    editProfile([](EmployeeProfile& p) { p.FedExempt = 1; });
    calculate({"40"});
    EXPECT_EQ(app.period.FedTax, 0.0f);
    EXPECT_EQ(sheet().lbTaxDed[0], ".00");
}

TEST_F(Calculation, BiWeeklyFederalAllowanceIsTwiceTheTable) {
    editProfile([](EmployeeProfile& p) {
        p.HourRate = 10;
        p.FedStatus = "Single";
        p.FedExemptions = "2";
        p.Weekly = false;
        p.BiWeekly = true;
    });
    calculate({"80"});
    const FederalTables tables = parseFederalTables(dir.read("Federal18.dtt"));
    EXPECT_GT(tables.FedAllowSingle[2], 0.0f);
    EXPECT_EQ(app.period.FedAllow, tables.FedAllowSingle[2] * 2);
    EXPECT_EQ(app.period.FedWages, 800.0f - app.period.FedAllow);
}

TEST_F(Calculation, AnyStatusOtherThanSingleTakesTheMarriedAllowance) {
    editProfile([](EmployeeProfile& p) {
        p.HourRate = 10;
        p.FedStatus = "married";  // misspelt: the married table and allowance
        p.FedExemptions = "1";
        p.Weekly = true;
    });
    calculate({"40"});
    const float married = app.period.FedAllow;
    editProfile([](EmployeeProfile& p) { p.FedStatus = "Married"; });
    calculate({"40"});
    EXPECT_EQ(married, app.period.FedAllow);
    EXPECT_GT(married, 0.0f);
}

TEST_F(Calculation, HealthInsuranceAbovePayWithholdsNoNegativeTax) {
    editProfile([](EmployeeProfile& p) {
        p.HourRate = 10;
        p.HealthIns = 500;
    });
    calculate({"10"});
    EXPECT_EQ(app.period.SocSec, 0.0f);
    EXPECT_EQ(app.period.Medicare, 0.0f);
    EXPECT_GE(app.period.LocalTax.number(), 0.0);
    EXPECT_GE(app.period.StateTax.number(), 0.0);
}

TEST_F(Calculation, SameInputsGiveTheSameResultTwice) {
    editProfile([](EmployeeProfile& p) { p.HourRate = 12.34f; });
    calculate({"37.5", "", "", "3"});
    const std::array<std::string, 11> first = sheet().lbTaxDed;
    const std::string net = sheet().lbNet;
    calculate({"37.5", "", "", "3"});
    EXPECT_EQ(sheet().lbTaxDed, first);
    EXPECT_EQ(sheet().lbNet, net);
}

TEST_F(Calculation, ClearEmptiesTheSheetAndSetsToday) {
    editProfile([](EmployeeProfile& p) { p.HourRate = 10; });
    calculate({"40"});
    sheet().txtWeek = "12/8/2017";
    sheet().cmdClear_Click();
    for (const auto& box : sheet().txtAmount) EXPECT_EQ(box, "");
    for (const auto& line : sheet().lbTaxDed) EXPECT_EQ(line, "");
    EXPECT_EQ(sheet().lbNet, "");
    EXPECT_EQ(sheet().lbGross, "");
    EXPECT_EQ(app.period.GrossPay, 0.0f);
    EXPECT_EQ(sheet().txtWeek, "6/1/2018");
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

class StateAndLocal : public testing::PaySheetSession {
protected:
    void employee(bool biWeekly) {
        editProfile([&](EmployeeProfile& p) {
            p.HourRate = 10;
            p.StateStatus = "Single";
            p.StateExemptions = 0;
            p.FedStatus = "Single";
            p.FedExemptions = "0";
            p.Weekly = !biWeekly;
            p.BiWeekly = biWeekly;
        });
    }
    // Types into the state settings and presses SAVE.
    void stateSettings(const char* adjustment, int roundState) {
        DialogState& d = app.dialogState();
        d.show();
        d.txtStateAdj = adjustment;
        d.ckRoundOff = roundState;
        d.OKButton_Click();
    }
};

TEST_F(StateAndLocal, GenericTableBiWeeklyAndWeekly) {
    employee(true);
    calculate({"40"});  // 400 bi-weekly, allowance 284.6
    EXPECT_EQ(app.period.StateWage, sgl(ext(400.0f) - ext(284.6f)));
    EXPECT_EQ(sheet().lbTaxDed[3], "4.62");
    employee(false);
    calculate({"20"});  // 200 weekly, allowance halved
    EXPECT_EQ(app.period.StateWage, sgl(ext(200.0f) - ext(284.6f) / 2));
    EXPECT_EQ(sheet().lbTaxDed[3], "2.31");
}

TEST_F(StateAndLocal, AdjustmentFloorAndRoundState) {
    employee(true);
    struct Case {
        const char* adjustment;
        int round;
        const char* shown;
    };
    const Case cases[] = {
        {"-50", 0, ".00"},    // a negative state tax is withheld as 0
        {"7.88", 0, "12.50"},  // 4.616 + 7.88
        {"7.88", 1, "12.00"},  // half a dollar to the even dollar
        {"8.88", 1, "14.00"},
        {"0", 1, "5.00"},
    };
    for (const auto& c : cases) {
        stateSettings(c.adjustment, c.round);
        calculate({"40"});
        EXPECT_EQ(sheet().lbTaxDed[3], c.shown) << c.adjustment << " round " << c.round;
        EXPECT_GE(app.period.StateTax.number(), 0.0);
    }
}

TEST_F(StateAndLocal, CityTaxWorkedExamples) {
    employee(true);
    calculate({"100"});  // 1000 bi-weekly: 807.7 in row 4
    EXPECT_EQ(sheet().lbTaxDed[4], "24.03");
    employee(false);
    calculate({"50"});  // 500 weekly: 403.85 in row 4 of the halved table
    EXPECT_EQ(sheet().lbTaxDed[4], "12.02");
}

TEST_F(StateAndLocal, CafeteriaPlanLowersStateWagesFromTheFirstCalculation) {
    editProfile([](EmployeeProfile& p) {
        p.HourRate = 10;
        p.BiWeekly = true;
        p.StateStatus = "Single";
        p.Cafe = 50;
        p.CafeDeductState = 1;
    });
    calculate({"40"});
    EXPECT_EQ(app.period.CafeState, 50.0f);
    EXPECT_EQ(app.period.StateWage, sgl(ext(400.0f) - ext(284.6f) - 50));
    EXPECT_EQ(sheet().lbCafe, "50.00");
}

}  // namespace
}  // namespace qv
