// Whole pay sheets worked out by hand: every line, total and net of a weekly
// single employee paid 10 an hour, with a flat 5 % state table and no local
// tax, one deduction rule exercised per sheet.
#include <gtest/gtest.h>

#include <functional>

#include "local/dialog_city.h"
#include "paysheet_fixture.h"
#include "state/dialog_state.h"

namespace qv {
namespace {

struct Sheet {
    const char* what;
    std::function<void(EmployeeProfile&)> profile;
    std::function<void(DialogState&)> state;  // SDI and SUI boxes
    std::initializer_list<const char*> amounts;
    bool doubleOvertime;
    // Lines 0 to 10, then SDI, SUI, cafeteria.
    std::array<const char*, 14> lines;
    const char* gross;
    const char* taxes;
    const char* deductions;
    const char* net;
};

class WholeSheet : public testing::PaySheetSession {
protected:
    // The state and city settings as the user enters them: a single 5 %
    // row in both state tables, no allowances, and no local tax.
    void settings(const std::function<void(DialogState&)>& insurance) {
        sheet().mnuStateTax_Click();
        DialogState& d = app.dialogState();
        d.cmdClearAll_Click();
        d.txtStateMinBS[0] = d.txtStateMinBM[0] = "0";
        d.txtStatePerBS[0] = d.txtStatePerBM[0] = ".05";
        d.setCheck(d.ckSDI, 0);
        d.setCheck(d.ckSUI, 0);
        d.txtSDIwageBase = d.txtSUIwageBase = "0";
        if (insurance) insurance(d);
        d.OKButton_Click();
        sheet().mnuCityTax_Click();
        DialogCity& c = app.dialogCity();
        c.setNoLocalTax(1);
        c.OKButton_Click();
    }
};

void sdiByRateSuiFlat(DialogState& d) {
    d.setCheck(d.ckSDI, 1);
    d.txtSDIpercent = "1";
    d.txtSDIwageBase = "100000";
    d.setCheck(d.ckSUI, 0);
    d.txtSUIwageBase = "3.5";
}
void sdiFlatSuiByRate(DialogState& d) {
    d.setCheck(d.ckSDI, 0);
    d.txtSDIwageBase = "2.25";
    d.setCheck(d.ckSUI, 1);
    d.txtSUIpercent = ".5";
    d.txtSUIwageBase = "50000";
}

TEST_F(WholeSheet, EveryLineOfHandWorkedSheets) {
    using P = EmployeeProfile;
    // Federal: weekly single table, 18.30 + 12 % over 254. Social Security
    // 6.2 % and Medicare 1.45 % of gross less health insurance and cafeteria.
    const Sheet sheets[] = {
        {"plain", {}, {}, {"40"}, false,
         {"35.82", "24.80", "5.80", "20.00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00"},
         "$400.00", "$86.42", "$.00", "$313.58"},
        {"K plan 5 percent", [](P& p) { p.KPlan = 5; p.KpPer = 1; p.KpFix = 0; }, {}, {"40"}, false,
         {"33.42", "24.80", "5.80", "19.00", ".00", ".00", ".00", ".00", ".00", ".00", "20.00", ".00", ".00", ".00"},
         "$400.00", "$83.02", "$20.00", "$296.98"},
        {"K plan fixed 25", [](P& p) { p.KPlan = 25; p.KpPer = 0; p.KpFix = 1; }, {}, {"40"}, false,
         {"32.82", "24.80", "5.80", "18.75", ".00", ".00", ".00", ".00", ".00", ".00", "25.00", ".00", ".00", ".00"},
         "$400.00", "$82.17", "$25.00", "$292.83"},
        {"pension 10 percent, before federal tax only", [](P& p) { p.PensionPct = 10; }, {}, {"40"}, false,
         {"31.02", "24.80", "5.80", "20.00", ".00", ".00", ".00", ".00", "40.00", ".00", ".00", ".00", ".00", ".00"},
         "$400.00", "$81.62", "$40.00", "$278.38"},
        {"health insurance 40, before every tax", [](P& p) { p.HealthIns = 40; }, {}, {"40"}, false,
         {"31.02", "22.32", "5.22", "18.00", ".00", ".00", ".00", ".00", ".00", "40.00", ".00", ".00", ".00", ".00"},
         "$400.00", "$76.56", "$40.00", "$283.44"},
        {"cafeteria 20 kept in state wages", [](P& p) { p.Cafe = 20; p.CafeDeductState = 0; }, {}, {"40"}, false,
         {"33.42", "23.56", "5.51", "20.00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", "20.00"},
         "$400.00", "$82.49", "$20.00", "$297.51"},
        {"cafeteria 20 taken from state wages", [](P& p) { p.Cafe = 20; p.CafeDeductState = 1; }, {}, {"40"}, false,
         {"33.42", "23.56", "5.51", "19.00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", "20.00"},
         "$400.00", "$81.49", "$20.00", "$298.51"},
        {"SDI by rate, SUI flat", {}, sdiByRateSuiFlat, {"40"}, false,
         {"35.82", "24.80", "5.80", "20.00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", "4.00", "3.50", ".00"},
         "$400.00", "$93.92", "$.00", "$306.08"},
        {"SDI flat, SUI by rate", {}, sdiFlatSuiByRate, {"40"}, false,
         {"35.82", "24.80", "5.80", "20.00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", "2.25", "2.00", ".00"},
         "$400.00", "$90.67", "$.00", "$309.33"},
        {"additional federal 10", [](P& p) { p.FedAddL = 10; }, {}, {"40"}, false,
         {"45.82", "24.80", "5.80", "20.00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00"},
         "$400.00", "$96.42", "$.00", "$303.58"},
        {"self-employed pays both halves", [](P& p) { p.SelfEmp = 1; }, {}, {"40"}, false,
         {"35.82", "49.60", "11.60", "20.00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00"},
         "$400.00", "$117.02", "$.00", "$282.98"},
        {"federal-exempt drops the additional withholding too",
         [](P& p) {
             p.FedExempt = 1;
             p.FedAddL = 10;
         },
         {}, {"40"}, false,
         {".00", "24.80", "5.80", "20.00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00"},
         "$400.00", "$50.60", "$.00", "$349.40"},
        {"tips are taxed, not paid out", [](P& p) { p.TipsRate = 2; }, {}, {"40", "", "", "", "", "", "", "10"}, false,
         {"38.22", "26.04", "6.09", "21.00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00"},
         "$420.00", "$91.35", "$.00", "$308.65"},
        {"2X overtime, 3 hours paid as 6", {}, {}, {"40", "", "3"}, true,
         {"43.02", "28.52", "6.67", "23.00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00", ".00"},
         "$460.00", "$101.21", "$.00", "$358.79"},
        {"credit union, bond and dues",
         [](P& p) {
             p.CrUnion = 12.5f;
             p.Bond = 25;
             p.Dues = 7.25f;
         },
         {}, {"40"}, false,
         {"35.82", "24.80", "5.80", "20.00", ".00", "12.50", "25.00", "7.25", ".00", ".00", ".00", ".00", ".00", ".00"},
         "$400.00", "$86.42", "$44.75", "$268.83"},
    };
    for (const Sheet& s : sheets) {
        SCOPED_TRACE(s.what);
        settings(s.state);
        editProfile([&](EmployeeProfile& p) {
            // Everything a previous sheet set goes back to the plain employee.
            p.HourRate = 10;
            p.HourRate2 = p.TipsRate = p.PensionPct = p.CrUnion = p.Bond = p.HealthIns = p.Dues = 0;
            p.KPlan = p.Cafe = p.FedAddL = 0;
            p.KpPer = 1;
            p.KpFix = p.CafeDeductState = p.SelfEmp = p.FedExempt = p.SSMediExempt = p.NonCity = 0;
            p.FedStatus = p.StateStatus = "Single";
            p.FedExemptions = "0";
            p.StateExemptions = 0;
            p.Weekly = true;
            p.BiWeekly = false;
            if (s.profile) s.profile(p);
        });
        sheet().opt1x = !s.doubleOvertime;
        sheet().opt2x = s.doubleOvertime;
        calculate(s.amounts);
        for (std::size_t i = 0; i < 11; ++i) EXPECT_EQ(sheet().lbTaxDed[i], s.lines[i]) << "line " << i;
        EXPECT_EQ(sheet().lbSDI, s.lines[11]);
        EXPECT_EQ(sheet().lbSUI, s.lines[12]);
        EXPECT_EQ(sheet().lbCafe, s.lines[13]);
        EXPECT_EQ(sheet().lbGross, s.gross);
        EXPECT_EQ(sheet().lbTaxes, s.taxes);
        EXPECT_EQ(sheet().lbDeduct, s.deductions);
        EXPECT_EQ(sheet().lbNet, s.net);
        EXPECT_TRUE(ui.messages().empty());
    }
}

}  // namespace
}  // namespace qv
