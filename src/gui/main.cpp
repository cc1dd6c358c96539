// quorvane: the desktop program. Makes the application, the Qt answers to
// the core (dialogs, the chosen printer, the workbook writer), the one App
// on the working folder, and shows the pay sheet.
#include <QApplication>
#include <QDir>

#include <filesystem>

#include "gui/desktop.h"
#include "gui/platform/chosen_printer.h"
#include "gui/platform/qt_ui.h"
#include "gui/platform/xlsx_spreadsheet.h"
#include "gui/views/views.h"
#include "paysheet/app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral("18.0.0"));

    // The working folder: QUORVANE_FOLDER, else the folder the program was
    // started in (scripts/run starts it in ~/Quorvane).
    std::filesystem::path folder = std::filesystem::current_path();
    if (const QString chosen = qEnvironmentVariable("QUORVANE_FOLDER"); !chosen.isEmpty())
        folder = std::filesystem::path(chosen.toStdString());

    qv::gui::ChosenPrinter printer;
    qv::gui::QtUi ui([&printer](QWidget* parent) { return printer.choose(parent); });
    qv::platform::SystemClock clock;
    qv::platform::XlsxSpreadsheet spreadsheet(ui);
    qv::App app(ui, clock, folder);
    app.printer = &printer;
    app.spreadsheet = &spreadsheet;

    qv::gui::Desktop desktop(app);
    qv::gui::addAllViews(desktop);
    desktop.start();
    return QApplication::exec();
}
