// The pay calculation on records alone, without any window or file: the
// engine as the pay sheet drives it once the boxes are read. Target: under
// 2 microseconds a period.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "federal/federal_tables.h"
#include "paysheet/pay_calculation.h"
#include "state/generic_state_tax.h"

namespace {

qv::FederalTables shippedTables() {
    std::ifstream in(std::string(QUORVANE_DATA) + "/Federal18.dtt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return qv::parseFederalTables(text.str());
}

void BM_EngineCalculation(benchmark::State& state) {
    const qv::FederalTables federal = shippedTables();
    qv::EmployeeProfile profile;
    profile.HourRate = 12.5f;
    profile.BiWeekly = 1;
    profile.FedStatus = "Married";
    profile.FedExemptions = "2";
    profile.StateStatus = "Married";
    profile.StateExemptions = 2;
    qv::StateTaxSettings settings;
    settings.StateMinBM = {0, 327, 450, 535, 823, 3102, 3723, 4140, 6063, 8137};
    settings.StatePerBM = {0.04f, 0.045f, 0.0525f, 0.059f, 0.0633f, 0.0657f, 0.0783f, 0.0833f, 0.0785f, 0.0707f};
    const qv::CityTaxTables city = qv::NewYorkCityTables();
    const qv::NonCityTable nonCity = qv::DefaultNonCityTable();
    const qv::YearLedger ledger;
    for (auto _ : state) {
        qv::PayPeriod period;
        period.clearResults();
        period.StrHrs = 40;
        period.OtHrs = 3;
        period.Avas = 8;
        period.TipsHrs = 4;
        const qv::PayRecords records{profile, federal, settings, city, nonCity, qv::Currency(), 7.5f};
        const bool done = qv::calculatePay(records, false,
                                           [&](qv::PayPeriod& p) {
                                               qv::GetStateTax({profile, settings, ledger}, p);
                                               return qv::StateStepResult{};
                                           },
                                           period);
        benchmark::DoNotOptimize(done);
        benchmark::DoNotOptimize(period.NetPay);
    }
}
BENCHMARK(BM_EngineCalculation);

}  // namespace
