#include "gui/data_files.h"

#include <QDir>
#include <QFileInfo>

#include "shell/shipped_files.h"

namespace qv::gui {

QString dataFile(const QString& name) {
    const QString folder = QString::fromStdString(qv::shippedFolder().string());
    const QFileInfo file(QDir(folder), name);
    return file.isFile() ? file.absoluteFilePath() : QString();
}

}  // namespace qv::gui
