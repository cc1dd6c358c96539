// Loading and saving the whole set of an employee's profile files: ".use",
// ".and", ".cfe", ".ovw" and the leave file ".hol".
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "employee/profile_files.h"
#include "leave/leave_balances.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"
#include "platform/headless/scripted_ui.h"

namespace {

using namespace qv;

struct Employee {
    std::filesystem::path dir;
    platform::ScriptedUi ui;
    platform::FixedClock clock{Date{2018, 6, 15}};
    std::unique_ptr<App> app;

    Employee() {
        dir = std::filesystem::temp_directory_path() / ("qv_profile_bench_" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::error_code ec;
        std::filesystem::copy_file(std::filesystem::path(QUORVANE_DATA) / "Federal18.dtt", dir / "Federal18.dtt", ec);
        app = std::make_unique<App>(ui, clock, dir);
        app->form1();
        app->UserFile = "Bench";
        EmployeeProfile& p = app->profile;
        p.HourRate = 18.25f;
        p.FedStatus = "Married";
        p.FedExemptions = "2";
        p.Weekly = true;
        p.KpPer = 1;
        p.KPlan = 4;
        p.DedName5 = "CrUnion";
        p.DedName6 = "Bond";
        p.DedName7 = "Dues";
        p.DedName8 = "Pension";
        p.DedName9 = "Health Ins";
        p.EmpName = "Ann Bench";
        p.EmpAddress = "1 Main St";
        p.EmpCityStateZip = "Albany, NY 12207";
        p.EmpSsn = "000-00-0000";
        p.SpareVar[3] = NumOrText(1.5);
        for (std::size_t i = 0; i < kOtRows; ++i) {
            app->overtime.OtWeekEnd[i] = std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/2018";
            app->overtime.OtAmount[i] = std::to_string(10 + i) + ".25";
        }
        for (std::size_t i = 0; i < kLeaveRows; ++i) {
            app->leave.VacTaken[i] = 0.5f;
            app->leave.VacDate[i] = "1/" + std::to_string(i + 1) + "/2018";
        }
        SaveOT(*app);
        saveLeaveFile(*app);
    }
    ~Employee() {
        app.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

void BM_LoadProfileFiles(benchmark::State& state) {
    Employee e;
    for (auto _ : state) {
        bool ok = LoadProfile(*e.app) && loadLeaveFile(*e.app);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_LoadProfileFiles)->Unit(benchmark::kMicrosecond);

void BM_SaveProfileFiles(benchmark::State& state) {
    Employee e;
    for (auto _ : state) {
        bool ok = SaveOT(*e.app) && saveLeaveFile(*e.app);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_SaveProfileFiles)->Unit(benchmark::kMicrosecond);

// The text of the files alone, without the disk.
void BM_ProfileFileTexts(benchmark::State& state) {
    Employee e;
    ProfileFileSet set{e.app->profile, e.app->overtime, e.app->state};
    for (auto _ : state) {
        std::string all = useFileText(set) + andFileText(set) + cfeFileText(set) +
                          overtimeRowsText(set.overtime, true) + leaveFileText(e.app->leave);
        benchmark::DoNotOptimize(all);
    }
}
BENCHMARK(BM_ProfileFileTexts)->Unit(benchmark::kMicrosecond);

}  // namespace
