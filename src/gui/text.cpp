#include "gui/text.h"

#include "common/text_encoding.h"

namespace qv::gui {

QString shown(std::string_view bytes) { return QString::fromStdString(displayText(bytes)); }

std::string typed(const QString& text) { return text.toStdString(); }

QString shownMessage(std::string_view bytes) {
    QString text = shown(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

}  // namespace qv::gui
