#include <gtest/gtest.h>

#include <string>

#include "common/file_io.h"
#include "common/format.h"
#include "federal/federal_tables.h"
#include "federal/federal_withholding.h"
#include "support/app_fixture.h"

namespace qv {
namespace {

const FederalTables& shipped() {
    static const FederalTables t =
        parseFederalTables(*readWholeFile(std::filesystem::path(QUORVANE_DATA) / "Federal18.dtt"));
    return t;
}

// Runs the withholding as the calculation does: FedTax set to 0, then the
// procedure for the status.
class Withholding : public testing::AppTest {
protected:
    Withholding() : AppTest(Date{2018, 3, 1}, "qv_withholding_") {}
    float withhold(const std::string& status, bool biWeekly, float fedWages) {
        app.profile.FedStatus = status;
        app.profile.BiWeekly = biWeekly;
        app.profile.Weekly = !biWeekly;
        app.period.FedWages = fedWages;
        app.period.FedTax = 0;
        GetFedTax(app.federal, app.profile, app.period);
        return app.period.FedTax;
    }
};

struct Case {
    const char* status;
    bool biWeekly;
    float wages;
    const char* cents;  // the withholding rounded to cents, as the pay sheet shows it
};

// The 2018 tables around their bracket edges: a wage equal to a bracket's
// upper bound belongs to that bracket, a cent more starts the next one.
TEST_F(Withholding, Tables2018AroundBracketEdges) {
    app.federal = shipped();
    const Case cases[] = {
        // weekly, single
        {"Single", false, -50, ".00"},
        {"Single", false, 0, ".00"},
        {"Single", false, 71, ".00"},
        {"Single", false, 71.01f, ".00"},
        {"Single", false, 100, "2.90"},
        {"Single", false, 254, "18.30"},
        {"Single", false, 254.01f, "18.30"},
        {"Single", false, 640.4f, "64.67"},
        {"Single", false, 815, "85.62"},
        {"Single", false, 815.05f, "85.63"},
        {"Single", false, 1658, "271.08"},
        {"Single", false, 3100, "617.16"},
        {"Single", false, 3917, "878.60"},
        {"Single", false, 9687, "2,898.10"},
        {"Single", false, 10000, "3,013.91"},
        // weekly, married
        {"Married", false, 222, ".00"},
        {"Married", false, 588, "36.60"},
        {"Married", false, 1000, "86.04"},
        {"Married", false, 1711, "171.36"},
        {"Married", false, 11761, "3,103.57"},
        {"Married", false, 12000, "3,192.00"},
        // bi-weekly, single
        {"Single", true, 142, ".00"},
        {"Single", true, 509, "36.70"},
        {"Single", true, 2000, "252.52"},
        {"Single", true, 19373, "5,795.72"},
        {"Single", true, 20000, "6,027.71"},
        // bi-weekly, married
        {"Married", true, 444, ".00"},
        {"Married", true, 1177, "73.30"},
        {"Married", true, 3421, "342.58"},
        {"Married", true, 6790, "1,083.76"},
        {"Married", true, 12560, "2,468.56"},
        {"Married", true, 15829, "3,514.64"},
        {"Married", true, 23521, "6,206.84"},
        {"Married", true, 30000, "8,604.07"},
        // any status other than exactly "Single" takes the married tables
        {"single", false, 1000, "86.04"},
        {"Head of household", true, 1177, "73.30"},
    };
    for (const Case& c : cases) {
        float tax = withhold(c.status, c.biWeekly, c.wages);
        EXPECT_EQ(formatNumber(roundCents(tax), kFmtAmount), c.cents)
            << c.status << (c.biWeekly ? " bi-weekly " : " weekly ") << c.wages << " -> " << tax;
    }
}

// Each bracket's base amount is the tax at the top of the bracket before it,
// so the withholding never jumps at a bracket edge. This catches a mistyped
// figure anywhere in the shipped file.
TEST_F(Withholding, ShippedTablesAreContinuous) {
    const FederalTables& t = shipped();
    for (const FedTable* table : {&t.FedBiwSingle, &t.FedWkSingle, &t.FedBiwMarried, &t.FedWkMarried}) {
        for (std::size_t r = 1; r <= 7; ++r) {
            const float edge = (*table)[r - 1].NotOver;
            EXPECT_EQ(formatNumber(roundCents(FedTableTax(*table, edge)), kFmtAmount),
                      formatNumber((*table)[r].Base, kFmtAmount))
                << "row " << r << " at " << edge;
        }
    }
}

// A small table that shows every rule of the bracket search.
TEST_F(Withholding, BracketSearchRules) {
    FedTable t{};
    t[0] = FedRow{100, 200, 100, 0.10f, 0};
    t[1] = FedRow{200, 500, 200, 0.12f, 10};
    for (std::size_t r = 2; r <= 6; ++r) t[r] = FedRow{999999, 999999, 0, 0, 0};
    t[7] = FedRow{999999, 0, 999999, 0.5f, 100};
    app.federal.FedWkSingle = t;

    EXPECT_EQ(withhold("Single", false, 100), 0.0f);
    EXPECT_FLOAT_EQ(withhold("Single", false, 150), 5.0f);
    EXPECT_FLOAT_EQ(withhold("Single", false, 200), 10.0f);  // still row 0
    EXPECT_FLOAT_EQ(withhold("Single", false, 200.01f), 10.0012f);
    EXPECT_EQ(formatNumber(roundCents(withhold("Single", false, 200.01f)), kFmtAmount), "10.00");
    EXPECT_FLOAT_EQ(withhold("Single", false, 300), 22.0f);
    EXPECT_EQ(withhold("Single", false, -20), 0.0f);
    EXPECT_FLOAT_EQ(withhold("Single", false, 1000000), 100.0f + 0.5f);
}

TEST_F(Withholding, ClearedTablesWithholdNothing) {
    app.federal = shipped();
    app.federal.clearNumbers();
    for (float w : {-5.0f, 0.0f, 0.01f, 800.0f, 50000.0f}) {
        EXPECT_EQ(withhold("Single", false, w), 0.0f) << w;
        EXPECT_EQ(withhold("Married", true, w), 0.0f) << w;
    }
}

TEST_F(Withholding, FrequencyChoosesTheTable) {
    app.federal = shipped();
    app.period.FedWages = 1000;

    app.profile.BiWeekly = false;
    app.profile.Weekly = false;
    app.period.FedTax = 0;
    GetFedSingle(app.federal, app.profile, app.period);
    EXPECT_EQ(app.period.FedTax, 0.0f) << "no frequency, no table";

    app.profile.Weekly = true;
    GetFedSingle(app.federal, app.profile, app.period);
    EXPECT_FLOAT_EQ(app.period.FedTax, 85.62f + 185 * 0.22f);

    app.profile.Weekly = false;
    app.profile.BiWeekly = true;
    app.period.FedTax = 0;
    GetFedSingle(app.federal, app.profile, app.period);
    EXPECT_FLOAT_EQ(app.period.FedTax, 36.70f + 491 * 0.12f);

    app.period.FedTax = 0;
    GetFedMarried(app.federal, app.profile, app.period);
    EXPECT_FLOAT_EQ(app.period.FedTax, 55.6f);  // 10 % over 444
}

TEST(FederalAllowanceAmount, StatusExemptionsAndFrequency) {
    const FederalTables& t = shipped();
    const struct {
        const char* status;
        const char* exemptions;
        bool biWeekly;
        float expected;
    } cases[] = {
        {"Single", "0", false, 0},
        {"Single", "2", false, 159.6f},
        {"Single", "9", false, 718.2f},
        {"Married", "3", false, 239.4f},
        {"Single", "2", true, 319.2f},  // bi-weekly: twice the weekly amount
        {"Married", "9", true, 1436.4f},
        {"Single", " 1 ", false, 79.8f},
        {"Single", "", false, 0},
        // no table entry: no allowance rather than a stale or out-of-range one
        {"Married", "10", false, 0},
        {"Married", "-1", false, 0},
        {"Single", "2.5", false, 0},
        {"Single", "two", false, 0},
        // other statuses take the married amounts, as they take the married tables
        {"Head of household", "2", false, 159.6f},
    };
    for (const auto& c : cases) {
        EmployeeProfile p;
        p.FedStatus = c.status;
        p.FedExemptions = c.exemptions;
        p.BiWeekly = c.biWeekly;
        p.Weekly = !c.biWeekly;
        EXPECT_FLOAT_EQ(FederalAllowance(t, p), c.expected) << c.status << " " << c.exemptions;
    }
}

}  // namespace
}  // namespace qv
