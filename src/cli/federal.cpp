// quorvane-cli federal: the federal withholding of one pay period's wages from
// the working folder's table file, without an employee.
#include <cmath>
#include <iostream>
#include <string>

#include "cli/command.h"
#include "cli/report.h"
#include "common/format.h"
#include "common/numbers.h"
#include "federal/federal_files.h"
#include "federal/federal_tables.h"
#include "federal/federal_withholding.h"

namespace qv::cli {
namespace {

struct FederalOptions {
    std::string status;
    bool weekly = false;
    bool biWeekly = false;
    std::string exemptions;
    std::string wages;
    float wageAmount = 0;
};

FederalOptions& opts() {
    static FederalOptions o;
    return o;
}

// Wages as large as this are no pay period's.
constexpr double kMaxWages = 99999999.99;

std::string validate() {
    FederalOptions& o = opts();
    if (o.status != "Single" && o.status != "Married") return "--status must be Single or Married.";
    if (o.weekly == o.biWeekly) return "give exactly one of --weekly and --biweekly.";
    if (o.exemptions.size() != 1 || o.exemptions[0] < '0' || o.exemptions[0] > '9')
        return "--exemptions must be a whole number from 0 to 9.";
    std::optional<double> w = convertNumber(o.wages);
    if (!w) return "--wages must be an amount, such as 800 or 1,234.56.";
    if (*w < 0 || *w > kMaxWages) return "--wages must be between 0 and 99,999,999.99.";
    o.wageAmount = singleOf(*w).value_or(0.0f);
    return {};
}

int run(Session& s) {
    const FederalOptions& o = opts();
    App& app = *s.app;
    if (!LoadFederalTables(app)) {
        reportMessages(s.ui);
        return kFailed;
    }
    app.profile.FedStatus = o.status;
    app.profile.FedExemptions = o.exemptions;
    app.profile.Weekly = o.weekly;
    app.profile.BiWeekly = o.biWeekly;
    // The allowances come off the wages as in the pay calculation (no pension
    // or cafeteria plan here), then the status's tables apply.
    app.period.FedAllow = FederalAllowance(app.federal, app.profile);
    app.period.FedWages = sgl(ext(o.wageAmount) - ext(app.period.FedAllow));
    app.period.FedTax = 0;
    GetFedTax(app.federal, app.profile, app.period);
    std::cout << formatNumber(roundCents(app.period.FedTax), kFmtAmount) << "\n";
    return kOk;
}

Registrar registrar{Command{
    "federal",
    "Federal withholding of one pay period's wages from Federal18.dtt",
    [](CLI::App& sub) {
        FederalOptions& o = opts();
        sub.add_option("--status", o.status, "Filing status: Single or Married")->required();
        auto* weekly = sub.add_flag("--weekly", o.weekly, "Weekly pay");
        auto* biWeekly = sub.add_flag("--biweekly", o.biWeekly, "Bi-weekly pay");
        weekly->excludes(biWeekly);
        sub.add_option("--exemptions", o.exemptions, "Withholding allowances, 0 to 9")->required();
        sub.add_option("--wages", o.wages, "Gross wages of the period")->required();
    },
    validate,
    run,
    false,
}};

}  // namespace
}  // namespace qv::cli
