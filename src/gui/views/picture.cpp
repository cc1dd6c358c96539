#include "gui/views/picture.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "gui/data_files.h"

namespace qv::gui {

Picture::Picture(const QString& file, int height, const QString& fallback)
    : path_(dataFile(file)), height_(height) {
    setObjectName(file.section(QChar('.'), 0, 0) + QStringLiteral("Picture"));
    if (path_.isEmpty()) {
        setTextFormat(Qt::PlainText);
        setText(fallback);
        QFont f = font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.8);
        setFont(f);
        if (fallback.isEmpty()) hide();
        return;
    }
    render();
}

void Picture::render() {
    QSvgRenderer svg(path_);
    if (!svg.isValid()) return;
    const QSizeF designed = svg.defaultSize().isEmpty() ? QSizeF(height_, height_) : QSizeF(svg.defaultSize());
    const QSize size(qRound(designed.width() * height_ / designed.height()), height_);
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    setPixmap(pixmap);
    setFixedSize(size);
}

}  // namespace qv::gui
