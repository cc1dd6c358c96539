// quorvane: the desktop program. Makes the application and the program on
// the working folder, and shows the pay sheet.
#include <QApplication>
#include <QMessageBox>

#include <filesystem>
#include <string>

#include "common/file_io.h"
#include "common/messages.h"
#include "shell/shipped_files.h"
#include "gui/desktop_program.h"
#include "gui/text.h"

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
                              qv::gui::shown(qv::kFolderBusyMessage));
        return 1;
    }

    qv::gui::DesktopProgram program(folder);
    program.desktop.start();
    return QApplication::exec();
}
