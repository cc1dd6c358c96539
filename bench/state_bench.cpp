// The state dialog's opening sequence with the Oregon preset, and the Oregon
// method, as every calculation runs them.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "paysheet/app.h"
#include "platform/headless/scripted_ui.h"
#include "state/dialog_state.h"
#include "state/state_files.h"
#include "state/state_method_table.h"
#include "state/state_methods.h"
#include "state/state_settings.h"

namespace {

struct Session {
    qv::platform::ScriptedUi ui;
    qv::platform::FixedClock clock{qv::Date{2018, 6, 1}};
    std::filesystem::path folder;
    qv::App app;

    explicit Session(std::filesystem::path f) : folder(std::move(f)), app(ui, clock, folder) {
        app.profile.BiWeekly = true;
        app.profile.StateStatus = "Single";
        app.profile.StateExemptions = 1;
        app.period.GrossPay = 1000;
        app.period.FedTax = 100;
        app.state.UseOregon = 1;
        qv::DialogState& d = app.dialogState();
        d.ensureLoaded();
        d.ckOregon = 1;
        d.fillVari();
    }
};

// The opening after the file reads: boxes from the record, the chosen
// preset, the boxes back into the record; then the method. No file access.
void BM_OpeningAndOregonInMemory(benchmark::State& st) {
    Session s(std::filesystem::temp_directory_path() / "qv_state_bench_none");
    qv::DialogState& d = s.app.dialogState();
    for (auto _ : st) {
        d.boxesFromRecord();
        d.methodBoxesFromRecord();
        d.employeeScreenFromRecord();
        d.OregonSet();
        d.fillVari();
        s.app.period.StateTax = 0.0f;
        qv::GetOregonTax(qv::stateMethodInput(s.app), s.app.period);
        benchmark::DoNotOptimize(s.app.period.StateTax);
    }
}
BENCHMARK(BM_OpeningAndOregonInMemory);

// The whole opening as a calculation runs it, reading the employee's state
// file from a temporary folder, then the method.
void BM_OpeningWithFileAndOregon(benchmark::State& st) {
    auto folder = std::filesystem::temp_directory_path() / "qv_state_bench_files";
    std::filesystem::create_directories(folder);
    Session s(folder);
    s.app.UserFile = "Bench";
    qv::SaveStateFile(s.app);
    qv::DialogState& d = s.app.dialogState();
    for (auto _ : st) {
        d.unload();
        d.ensureLoaded();
        s.app.period.StateTax = 0.0f;
        qv::GetOregonTax(qv::stateMethodInput(s.app), s.app.period);
        benchmark::DoNotOptimize(s.app.period.StateTax);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_OpeningWithFileAndOregon);

}  // namespace
