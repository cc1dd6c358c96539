// The year ledger: posting into a full weekly year, loading and saving its
// file, exporting it to a workbook.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "ledger/frm_year.h"
#include "ledger/ledger_export.h"
#include "ledger/mdi_form1.h"
#include "ledger/year_files.h"
#include "ledger/year_ledger.h"
#include "paysheet/app.h"
#include "platform/headless/scripted_ui.h"
#if __has_include("platform/xlsx_spreadsheet.h")
#include "platform/xlsx_spreadsheet.h"
#define QV_HAVE_XLSX 1
#endif

namespace {

namespace fs = std::filesystem;
using namespace qv;

struct FullYear {
    fs::path dir;
    platform::ScriptedUi ui;
    platform::FixedClock clock{Date{2018, 12, 28}};
    std::unique_ptr<App> app;
    PaySheetSnapshot figures;

    explicit FullYear(const char* name) {
        dir = fs::temp_directory_path() / ("qv_bench_" + std::string(name) + "_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        app = std::make_unique<App>(ui, clock, dir);
        app->UserFile = "Bench";
        app->profile.Weekly = true;
        app->profile.DedName5 = "CrUnion";
        figures.txtWeek = "12/28/2018";
        figures.lbTaxDed = {"120.51", "62.37", "14.59", "40.12", "10.03", "5.00", "2.50", "7.25", "30.00", "45.10", "20.00"};
        figures.TotalOt = 45.75f;
        figures.TotalTips = 12.5f;
        figures.GrossPay = 1003.17f;
        figures.NetPay = 812.34f;
        figures.lbSDI = "1,003.17";
        figures.lbSUI = "3.10";
        figures.lbCafe = "25.00";
        openYearLedger(*app);
        for (int i = 0; i < kLedgerSlots; ++i) app->frmYear().PasteMe(i, figures);
        SaveAnnual(*app);
    }
    ~FullYear() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

void BM_PostIntoFullWeeklyLedger(benchmark::State& state) {
    FullYear year("post");
    FrmYear& grid = year.app->frmYear();
    int i = 0;
    for (auto _ : state) {
        grid.PasteMe(i, year.figures);
        i = (i + 1) % kLedgerSlots;
        benchmark::DoNotOptimize(year.app->ledger.TotGross);
    }
}
BENCHMARK(BM_PostIntoFullWeeklyLedger)->Unit(benchmark::kMicrosecond);

void BM_LoadFullWeeklyLedger(benchmark::State& state) {
    FullYear year("load");
    for (auto _ : state) {
        LoadAnnual(*year.app);
        benchmark::DoNotOptimize(year.app->ledger.TotGross);
    }
}
BENCHMARK(BM_LoadFullWeeklyLedger)->Unit(benchmark::kMicrosecond);

void BM_SaveFullWeeklyLedger(benchmark::State& state) {
    FullYear year("save");
    for (auto _ : state) benchmark::DoNotOptimize(SaveAnnual(*year.app));
}
BENCHMARK(BM_SaveFullWeeklyLedger)->Unit(benchmark::kMicrosecond);

// The file's text alone, without the disk.
void BM_FullWeeklyLedgerTextRoundTrip(benchmark::State& state) {
    FullYear year("text");
    for (auto _ : state) {
        std::string text = yearLedgerFileText(year.app->ledger, true);
        YearLedger l;
        readYearLedgerText(text, "Bench.yrw", true, l);
        benchmark::DoNotOptimize(l.TotGross);
    }
}
BENCHMARK(BM_FullWeeklyLedgerTextRoundTrip)->Unit(benchmark::kMicrosecond);

#ifdef QV_HAVE_XLSX
void BM_ExportFullWeeklyLedgerToXlsx(benchmark::State& state) {
    FullYear year("export");
    platform::XlsxSpreadsheet sheet(year.ui);
    year.app->spreadsheet = &sheet;
    for (auto _ : state) {
        exportLedger(*year.app);
        if (sheet.savedPath().empty()) state.SkipWithError("the workbook was not written");
    }
    year.app->spreadsheet = nullptr;
}
BENCHMARK(BM_ExportFullWeeklyLedgerToXlsx)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
