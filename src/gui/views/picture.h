// One of the window's two pictures, drawn from an SVG shipped in data/ at the
// height the layout gives it and the screen's pixel ratio. Without the file
// the place shows `fallback` as bold text (or nothing).
#pragma once

#include <QLabel>

namespace qv::gui {

class Picture : public QLabel {
public:
    Picture(const QString& file, int height, const QString& fallback);

private:
    void render();
    QString path_;
    int height_;
};

}  // namespace qv::gui
