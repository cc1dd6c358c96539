// Rendering a pay stub and a check to a PDF file, as the print commands do.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "gui/platform/qt_printer.h"
#include "printing/check_print.h"
#include "printing/pay_stub.h"
#include "../tests/printing/stub_fixture.h"

namespace {

std::filesystem::path outFile(const char* name) { return std::filesystem::temp_directory_path() / name; }

void BM_PayStubToPdf(benchmark::State& state) {
    qv::gui::ensureGuiApplication();
    const qv::StubData d = qv::testing::weekOfDecember();
    const auto file = outFile("quorvane_bench_stub.pdf");
    for (auto _ : state) {
        auto printer = qv::gui::QtPrinter::toPdf(file);
        qv::printPayStubLayout(*printer, d);
        printer->endDocument();
        benchmark::DoNotOptimize(printer->pagesPrinted());
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_PayStubToPdf)->Unit(benchmark::kMillisecond);

void BM_CheckToPdf(benchmark::State& state) {
    qv::gui::ensureGuiApplication();
    const qv::StubData d = qv::testing::weekOfDecember();
    const auto file = outFile("quorvane_bench_check.pdf");
    for (auto _ : state) {
        auto printer = qv::gui::QtPrinter::toPdf(file);
        qv::printCheckLayout(*printer, qv::testing::faceOf(), d, 0, 3);
        printer->endDocument();
        benchmark::DoNotOptimize(printer->pagesPrinted());
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_CheckToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
