#include "gui/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace qv::gui {

namespace {

QStringList candidateFolders() {
    QStringList folders;
    if (const QString env = qEnvironmentVariable("QUORVANE_DATA"); !env.isEmpty()) folders << env;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quorvane");
#ifdef QUORVANE_SOURCE_DATA
    folders << QStringLiteral(QUORVANE_SOURCE_DATA);
#endif
    return folders;
}

}  // namespace

QString dataFile(const QString& name) {
    for (const QString& folder : candidateFolders()) {
        const QFileInfo file(QDir(folder), name);
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

QString dataFolder() {
    for (const QString& folder : candidateFolders())
        if (QFileInfo(QDir(folder), QStringLiteral("help/Qvhelp.html")).isFile()) return QDir(folder).absolutePath();
    return {};
}

}  // namespace qv::gui
