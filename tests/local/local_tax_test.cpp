#include <gtest/gtest.h>

#include <functional>

#include "common/format.h"
#include "local/city_tables.h"
#include "local/local_tax.h"
#include "local/non_city_table.h"
#include "local_fixture.h"

namespace qv {
namespace {

enum class Freq { BiWeekly, Weekly, Neither };

struct TaxCase {
    const char* what;
    Freq freq;
    const char* status;
    float taxableWages;
    float localExemption;  // as the driver picks it
    double expectTax;      // before rounding
    const char* expectShown;
    std::function<void(CityTaxTables&)> editTables = nullptr;
};

class LocalTax : public testing::LocalFixture {
protected:
    void setUpPeriod(Freq f, const char* status, float wages, float exemption) {
        app.profile.BiWeekly = f == Freq::BiWeekly;
        app.profile.Weekly = f == Freq::Weekly;
        app.profile.StateStatus = status;
        app.period.TaxableWages = wages;
        app.period.LocalExemption = exemption;
        app.period.LocalTax = NumOrText(0.0f);
    }
    void expectTax(double tax, const char* shown) {
        const NumOrText& t = app.period.LocalTax;
        EXPECT_TRUE(t.isSingle());
        EXPECT_NEAR(t.number(), tax, 5e-5);
        EXPECT_EQ(formatNumber(static_cast<float>(t.number()), kFmtAmount), shown);
    }
};

TEST_F(LocalTax, CityTablesForResidents) {
    // A table with row 1 from 100 shows the weekly halving of row 1's minimum.
    auto rowOneFrom100 = [](CityTaxTables& t) {
        t = ClearedCityTables();
        t.CityMinBS[0] = 100; t.CityAmtBS[0] = 10; t.CityPerBS[0] = 0.1f;
        t.CityMinBS[1] = 400; t.CityAmtBS[1] = 40; t.CityPerBS[1] = 0.1f;
    };
    const TaxCase cases[] = {
        {"bi-weekly worked example, row 4", Freq::BiWeekly, "Single", 1000, 192.3f, 24.0327, "24.03"},
        {"weekly worked example, halved row 4", Freq::Weekly, "Single", 500, 192.3f, 12.0163, "12.02"},
        {"a wage equal to a minimum belongs to that row", Freq::BiWeekly, "Single", 308, 0, 6.31, "6.31"},
        {"just below it stays in row 1", Freq::BiWeekly, "Single", 307.99f, 0, 6.313795, "6.31"},
        {"top used row", Freq::BiWeekly, "Single", 3000, 0, 86 + 692 * 0.0425, "115.41"},
        {"999999 falls in the unused rows", Freq::BiWeekly, "Single", 999999, 0, 0, ".00"},
        {"beyond 999999 too", Freq::BiWeekly, "Single", 2000000, 0, 0, ".00"},
        {"allowance above the wage: no row", Freq::BiWeekly, "Single", 100, 192.3f, 0, ".00"},
        {"weekly allowance is halved", Freq::Weekly, "Married", 211.5f / 2, 211.5f, 0, ".00"},
        {"neither frequency: nothing computed", Freq::Neither, "Single", 1000, 0, 0, ".00"},
        {"married table for Married", Freq::BiWeekly, "Married", 100, 0, 5, "5.00",
         [](CityTaxTables& t) { t.CityPerBM[0] = 0.05f; }},
        {"married table for any other status", Freq::BiWeekly, "single", 100, 0, 5, "5.00",
         [](CityTaxTables& t) { t.CityPerBM[0] = 0.05f; }},
        {"single table for Single", Freq::BiWeekly, "Single", 100, 0, 2.05, "2.05",
         [](CityTaxTables& t) { t.CityPerBM[0] = 0.05f; }},
        {"cleared tables tax nothing", Freq::BiWeekly, "Single", 5000, 0, 0, ".00",
         [](CityTaxTables& t) { t = ClearedCityTables(); }},
        {"rows 9 and 10 take no part", Freq::BiWeekly, "Single", 1000, 192.3f, 24.0327, "24.03",
         [](CityTaxTables& t) {
             t.CityMinBS[8] = 5; t.CityAmtBS[8] = 1000; t.CityPerBS[8] = 1;
             t.CityMinBS[9] = 0; t.CityAmtBS[9] = 2000; t.CityPerBS[9] = 1;
         }},
        {"row 1 alone covers everything below 999999", Freq::BiWeekly, "Single", 500000, 0, 10250, "10,250.00",
         [](CityTaxTables& t) { for (int r = 1; r < 10; ++r) t.CityMinBS[r] = 999999; }},
        {"rows out of order: the last matching row wins", Freq::BiWeekly, "Single", 150, 0, 3, "3.00",
         [](CityTaxTables& t) {
             t = ClearedCityTables();
             t.CityMinBS[0] = 0; t.CityAmtBS[0] = 1;
             t.CityMinBS[1] = 200; t.CityAmtBS[1] = 2;
             t.CityMinBS[2] = 100; t.CityAmtBS[2] = 3;
             t.CityMinBS[3] = 300; t.CityAmtBS[3] = 4;
         }},
        {"weekly row 1 starts at half its minimum", Freq::Weekly, "Single", 60, 0, 6, "6.00", rowOneFrom100},
        {"weekly below half of row 1's minimum", Freq::Weekly, "Single", 49.99f, 0, 0, ".00", rowOneFrom100},
        {"bi-weekly row 1 keeps its minimum", Freq::BiWeekly, "Single", 60, 0, 0, ".00", rowOneFrom100},
        {"a negative tax is withheld as 0", Freq::BiWeekly, "Single", 100, 0, 0, ".00",
         [](CityTaxTables& t) { t.CityAmtBS[0] = -5; t.CityPerBS[0] = 0.01f; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        app.city = NewYorkCityTables();
        if (c.editTables) c.editTables(app.city);
        setUpPeriod(c.freq, c.status, c.taxableWages, c.localExemption);
        GetLocalTax(app.profile, app.city, app.nonCity, app.period);
        expectTax(c.expectTax, c.expectShown);
    }
}

TEST_F(LocalTax, CityWageIsTheWageAfterTheAllowance) {
    app.city = NewYorkCityTables();
    setUpPeriod(Freq::BiWeekly, "Single", 1000, 192.3f);
    GetLocalTax(app.profile, app.city, app.nonCity, app.period);
    EXPECT_FLOAT_EQ(app.period.CityWage, 807.7f);
    setUpPeriod(Freq::Weekly, "Single", 500, 192.3f);
    GetLocalTax(app.profile, app.city, app.nonCity, app.period);
    EXPECT_FLOAT_EQ(app.period.CityWage, 403.85f);
    EXPECT_FLOAT_EQ(app.period.LocalExemption, 192.3f);
}

TEST_F(LocalTax, StaleResultNeverSurvives) {
    // With no matching row the tax is 0 even when the caller left an old one.
    app.city = NewYorkCityTables();
    setUpPeriod(Freq::BiWeekly, "Single", 50, 192.3f);
    app.period.LocalTax = NumOrText(std::string("24.03"));
    GetLocalTax(app.profile, app.city, app.nonCity, app.period);
    expectTax(0, ".00");
}

struct NonCityCase {
    const char* what;
    Freq freq;
    float taxableWages;
    float cityAllowance;  // what the driver put in LocalExemption
    float expectExemption;
    double expectTax;
    const char* expectShown;
};

TEST_F(LocalTax, NonResidentTable) {
    const NonCityCase cases[] = {
        {"bi-weekly worked example, row 3", Freq::BiWeekly, 500, 192.3f, 77, 1.9035, "1.90"},
        {"weekly worked example, row 3", Freq::Weekly, 250, 192.3f, 38, 0.954, ".95"},
        {"a wage equal to a minimum takes that row", Freq::BiWeekly, 145, 192.3f, 115, 0.135, ".14"},
        {"weekly table has its own minimums", Freq::Weekly, 145, 192.3f, 58, 0.3915, ".39"},
        {"no exemption from 1154 up", Freq::BiWeekly, 2000, 192.3f, 0, 9, "9.00"},
        {"row 1 taxes from the first dollar", Freq::BiWeekly, 100, 192.3f, 0, 0.45, ".45"},
        {"below row 1 keeps the city allowance, never negative", Freq::BiWeekly, -50, 192.3f, 192.3f, 0, ".00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        app.nonCity = DefaultNonCityTable();
        app.profile.NonCity = 1;
        setUpPeriod(c.freq, "Single", c.taxableWages, c.cityAllowance);
        GetLocalTax(app.profile, app.city, app.nonCity, app.period);
        EXPECT_FLOAT_EQ(app.period.LocalExemption, c.expectExemption);
        expectTax(c.expectTax, c.expectShown);
    }
}

TEST_F(LocalTax, NonResidentIgnoresTheCityTables) {
    app.nonCity = DefaultNonCityTable();
    app.profile.NonCity = 1;
    app.period.CityWage = 123;
    for (const CityTaxTables& city : {NewYorkCityTables(), ClearedCityTables()}) {
        app.city = city;
        app.city.NoLocalTax = 1;
        setUpPeriod(Freq::BiWeekly, "Married", 500, 211.5f);
        GetLocalTax(app.profile, app.city, app.nonCity, app.period);
        expectTax(1.9035, "1.90");
        EXPECT_FLOAT_EQ(app.period.CityWage, 123);
    }
}

}  // namespace
}  // namespace qv
