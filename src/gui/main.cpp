// quorvane: the desktop program. Makes the application and the program on
// the working folder, and shows the pay sheet.
#include <QApplication>

#include <filesystem>

#include "gui/desktop_program.h"

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

    qv::gui::DesktopProgram program(folder);
    program.desktop.start();
    return QApplication::exec();
}
