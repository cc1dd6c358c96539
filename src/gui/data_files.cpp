#include "gui/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace qv::gui {

QString dataFile(const QString& name) {
    QStringList folders;
    if (const QString env = qEnvironmentVariable("QUORVANE_DATA"); !env.isEmpty()) folders << env;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quorvane");
#ifdef QUORVANE_SOURCE_DATA
    folders << QStringLiteral(QUORVANE_SOURCE_DATA);
#endif
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), name);
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

}  // namespace qv::gui
