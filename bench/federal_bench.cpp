// Loading the federal table file and one withholding computation.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <string>

#include "common/file_io.h"
#include "federal/federal_files.h"
#include "federal/federal_tables.h"
#include "federal/federal_withholding.h"
#include "paysheet/app.h"
#include "platform/headless/scripted_ui.h"

namespace {

struct Fixture {
    qv::platform::ScriptedUi ui;
    qv::platform::FixedClock clock{qv::Date{2018, 3, 1}};
    qv::App app{ui, clock, std::filesystem::path(QUORVANE_DATA)};
};

// What every calculation starts with: the existence test, the whole-file read
// and the parse into the record.
void BM_LoadFederalTables(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        bool ok = qv::LoadFederalTables(f.app);
        benchmark::DoNotOptimize(ok);
        if (!ok) state.SkipWithError("Federal18.dtt did not load");
    }
}
BENCHMARK(BM_LoadFederalTables);

// The parse alone, from text already read.
void BM_ParseFederalTables(benchmark::State& state) {
    const std::optional<std::string> text = qv::readWholeFile(std::filesystem::path(QUORVANE_DATA) / "Federal18.dtt");
    if (!text) {
        state.SkipWithError("Federal18.dtt cannot be read");
        return;
    }
    for (auto _ : state) {
        qv::FederalTables t = qv::parseFederalTables(*text);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_ParseFederalTables);

// One period's withholding: the allowance, the wages and the bracket search.
void BM_FederalWithholding(benchmark::State& state) {
    Fixture f;
    if (!qv::LoadFederalTables(f.app)) {
        state.SkipWithError("Federal18.dtt did not load");
        return;
    }
    f.app.profile.FedStatus = "Single";
    f.app.profile.FedExemptions = "2";
    f.app.profile.Weekly = true;
    float wages = 800;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wages);
        f.app.period.FedAllow = qv::FederalAllowance(f.app.federal, f.app.profile);
        f.app.period.FedWages = wages - f.app.period.FedAllow;
        f.app.period.FedTax = 0;
        qv::GetFedTax(f.app.federal, f.app.profile, f.app.period);
        benchmark::DoNotOptimize(f.app.period.FedTax);
    }
}
BENCHMARK(BM_FederalWithholding);

// The bracket search alone.
void BM_FedTableTax(benchmark::State& state) {
    Fixture f;
    if (!qv::LoadFederalTables(f.app)) {
        state.SkipWithError("Federal18.dtt did not load");
        return;
    }
    float wages = 640.4f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wages);
        float tax = qv::FedTableTax(f.app.federal.FedWkSingle, wages);
        benchmark::DoNotOptimize(tax);
    }
}
BENCHMARK(BM_FedTableTax);

}  // namespace
