// The pay calculation: the computation alone on prepared records, and a whole
// ADD with its file reads and the save-all.
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "federal/federal_files.h"
#include "federal/federal_tables.h"
#include "paysheet/app.h"
#include "paysheet/calculate.h"
#include "paysheet/form1.h"
#include "platform/headless/scripted_ui.h"
#include "state/dialog_state.h"
#include "local/dialog_city.h"

namespace {

struct Session {
    std::filesystem::path folder;
    qv::platform::ScriptedUi ui;
    qv::platform::FixedClock clock{qv::Date{2018, 6, 1}};
    std::unique_ptr<qv::App> app;
    Session() {
        folder = std::filesystem::temp_directory_path() / ("quorvane_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(std::filesystem::path(QUORVANE_DATA) / "Federal18.dtt", folder / "Federal18.dtt",
                                   std::filesystem::copy_options::overwrite_existing);
        app = std::make_unique<qv::App>(ui, clock, folder);
        app->profile.HourRate = 12.5f;
        app->form1();
    }
    ~Session() {
        app.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    void type() {
        auto& s = app->form1();
        s.txtAmount = {"40", "", "3", "2", "8", "", "25.50", "4"};
    }
};

void BM_ComputationAlone(benchmark::State& state) {
    Session s;
    s.type();
    s.app->form1().cmdCal_Click();
    qv::LoadFederalTables(*s.app);
    s.app->dialogCity().ensureLoaded();
    s.app->dialogState().ensureLoaded();
    for (auto _ : state) {
        s.type();
        benchmark::DoNotOptimize(qv::computePayPeriod(*s.app));
    }
}
BENCHMARK(BM_ComputationAlone);

void BM_WholeCalculation(benchmark::State& state) {
    Session s;
    for (auto _ : state) {
        s.type();
        s.app->form1().cmdCal_Click();
    }
}
BENCHMARK(BM_WholeCalculation)->Unit(benchmark::kMillisecond);

// The usual ADD: the same employee, nothing changed since the last one, so
// the save-all finds every file already holding its bytes and writes none
// (no fsync, no rename). Target: under 1 ms on a local disk.
void BM_WholeAddFilesUnchanged(benchmark::State& state) {
    Session s;
    s.type();
    s.app->form1().cmdCal_Click();
    struct stat before {};
    ::stat((s.folder / ".use").c_str(), &before);
    for (auto _ : state) {
        s.type();
        s.app->form1().cmdCal_Click();
    }
    struct stat after {};
    ::stat((s.folder / ".use").c_str(), &after);
    if (before.st_ino != after.st_ino) state.SkipWithError("an unchanged file was written again");
}
BENCHMARK(BM_WholeAddFilesUnchanged)->Unit(benchmark::kMicrosecond);

}  // namespace
