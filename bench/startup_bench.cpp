// The start of the desktop program to the pay sheet on screen: the App on a
// working folder (federal tables read, start-up files written), the desktop
// with its views, the pay sheet shown and painted. Target: under 300 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <filesystem>

#include "gui/desktop.h"
#include "gui/views/views.h"
#include "paysheet/app.h"
#include "platform/headless/scripted_ui.h"

namespace {

QApplication& application() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "quorvane";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

void StartToPaySheetShown(benchmark::State& state) {
    application();
    const auto folder = std::filesystem::temp_directory_path() / "quorvane_startup_bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::filesystem::path(QUORVANE_DATA) / "Federal18.dtt", folder / "Federal18.dtt");
    qv::platform::ScriptedUi ui;
    qv::platform::SystemClock clock;
    for (auto _ : state) {
        qv::App app(ui, clock, folder);
        qv::gui::Desktop desktop(app);
        qv::gui::addAllViews(desktop);
        desktop.start();
        QWidget* sheet = desktop.mainWindow();
        while (!sheet->windowHandle() || !sheet->windowHandle()->isExposed()) QApplication::processEvents();
        sheet->repaint();
        benchmark::DoNotOptimize(sheet);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(StartToPaySheetShown)->Unit(benchmark::kMillisecond);

}  // namespace
