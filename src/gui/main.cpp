// quorvane: the desktop program. Makes the application, the Qt answers to
// the core (dialogs, the chosen printer, the workbook writer), the one App
// on the working folder, and shows the pay sheet.
#include <QApplication>
#include <QMessageBox>

#include <filesystem>
#include <string>

#include "common/file_io.h"
#include "common/shipped_files.h"
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

    // The working folder (QUORVANE_FOLDER, else ~/Quorvane), made ready with
    // the shipped federal tables on first start.
    const std::filesystem::path shipped = qv::shippedFolder();
    const std::filesystem::path folder = qv::defaultWorkingFolder();
    std::string problem;
    if (!qv::prepareWorkingFolder(folder, shipped, &problem)) {
        QMessageBox::critical(nullptr, QStringLiteral("Quorvane"), QString::fromStdString(problem));
        return 1;
    }
    // One writer at a time: a second program on the same folder would lose
    // the other's ledger rows and settings.
    qv::FolderLock lock(folder);
    if (lock.busy()) {
        QMessageBox::critical(nullptr, QStringLiteral("Quorvane"),
                              QString::fromUtf8(qv::FolderLock::kBusyMessage.data(),
                                                static_cast<qsizetype>(qv::FolderLock::kBusyMessage.size())));
        return 1;
    }

    qv::gui::ChosenPrinter printer;
    qv::gui::QtUi ui([&printer](QWidget* parent) { return printer.choose(parent); });
    qv::platform::SystemClock clock;
    qv::platform::XlsxSpreadsheet spreadsheet(ui);
    qv::App app(ui, clock, folder);
    app.printer = &printer;
    app.spreadsheet = &spreadsheet;
    app.dataFolder = shipped;

    qv::gui::Desktop desktop(app);
    qv::gui::addAllViews(desktop);
    desktop.start();
    return QApplication::exec();
}
