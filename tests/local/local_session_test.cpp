// The local tax through whole pay-sheet sessions: the city and non-resident
// dialogs as the user drives them, then ADD.
#include <gtest/gtest.h>

#include "common/format.h"
#include "local/city_tables.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "paysheet/paysheet_fixture.h"

namespace qv {
namespace {

class LocalTaxSession : public testing::PaySheetSession {
protected:
    // A single employee with no exemptions whose 40 hours earn `gross`.
    void employee(bool biWeekly, float gross, int nonCity = 0) {
        editProfile([&](EmployeeProfile& p) {
            p.HourRate = gross / 40;
            p.BiWeekly = biWeekly;
            p.Weekly = !biWeekly;
            p.StateStatus = "Single";
            p.StateExemptions = 0;
            p.FedStatus = "Single";
            p.FedExemptions = "0";
            p.NonCity = static_cast<std::int16_t>(nonCity);
        });
    }
    std::string cityTaxLine() { return sheet().lbTaxDed[4]; }
};

TEST_F(LocalTaxSession, NewYorkTablesWithoutACityFile) {
    employee(true, 1000);
    calculate({"40"});
    EXPECT_EQ(cityTaxLine(), "24.03");
    EXPECT_EQ(app.period.LocalTax.format(kFmtAmount), "24.03");
    // The calculation saved the tables it used, and closed the dialog.
    EXPECT_EQ(dir.read(".cti"), cityTablesText(NewYorkCityTables()));
    EXPECT_FALSE(app.dialogCity().loaded);

    employee(false, 500);
    calculate({"40"});
    EXPECT_EQ(cityTaxLine(), "12.02");
}

TEST_F(LocalTaxSession, NoLocalTaxCancelledLeavesTheTaxAlone) {
    employee(true, 1000);
    DialogCity& city = app.dialogCity();
    city.show();
    city.ckNoLocalTax = 1;
    city.ckNoLocalTax_Click();
    city.CancelButton_Click();
    calculate({"40"});
    EXPECT_EQ(cityTaxLine(), "24.03");
    // The save-all kept the tables: the next calculation still taxes.
    calculate({"40"});
    EXPECT_EQ(cityTaxLine(), "24.03");
    EXPECT_EQ(dir.read(".cti"), cityTablesText(NewYorkCityTables()));
}

TEST_F(LocalTaxSession, NoLocalTaxSavedStopsTheTax) {
    employee(true, 1000);
    DialogCity& city = app.dialogCity();
    city.show();
    city.ckNoLocalTax = 1;
    city.ckNoLocalTax_Click();
    city.OKButton_Click();
    calculate({"40"});
    EXPECT_EQ(cityTaxLine(), ".00");
    // "&New York" and SAVE bring the tax back.
    city.show();
    city.cmdDefault_Click();
    city.OKButton_Click();
    calculate({"40"});
    EXPECT_EQ(cityTaxLine(), "24.03");
}

TEST_F(LocalTaxSession, NonResidentUsesItsOwnTable) {
    employee(true, 500, 1);
    DialogNonCity& nonCity = app.dialogNonCity();
    nonCity.show();
    nonCity.OKButton_Click();  // the default table, saved
    calculate({"40"});
    EXPECT_EQ(cityTaxLine(), "1.90");
    EXPECT_EQ(app.period.LocalExemption, 77.0f);

    employee(false, 250, 1);
    calculate({"40"});
    EXPECT_EQ(cityTaxLine(), ".95");
}

}  // namespace
}  // namespace qv
