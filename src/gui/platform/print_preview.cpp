#include "gui/platform/print_preview.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

#include "gui/platform/qt_printer.h"

namespace qv::gui {

void RecordedDocument::setPicture(QImage picture, std::string_view windowName) {
    steps_.clear();
    isPicture_ = true;
    picture_ = std::move(picture);
    windowName_ = std::string(windowName);
}

void RecordedDocument::replay(QtPrinter& printer) const {
    if (isPicture_) {
        printer.printImage(picture_, windowName_);
        return;
    }
    struct Draw {
        QtPrinter& p;
        void operator()(const FontName& s) const { p.setFontName(s.name); }
        void operator()(const FontSize& s) const { p.setFontSize(s.points); }
        void operator()(const Text& s) const {
            if (s.column > 0)
                p.printAt(s.column, s.text);
            else
                p.print(s.text);
        }
        void operator()(const EndLine&) const { p.endLine(); }
        void operator()(const Landscape& s) const { p.setLandscape(s.landscape); }
    };
    for (const Step& step : steps_) std::visit(Draw{printer}, step);
    printer.endDocument();
}

namespace {

QString previewText(const char* text) { return QCoreApplication::translate("QPrintPreviewDialog", text); }

// The preview's own "Print" would ask for a printer a second time; here it
// only says yes to what is shown, which then goes to the printer chosen
// before. The page's orientation and setup belong to the layout, so the
// preview offers no way to change them.
void adaptActions(QPrintPreviewDialog& preview) {
    const QString print = previewText("Print");
    const QStringList fixed = {previewText("Page setup"), previewText("Portrait"), previewText("Landscape")};
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() == print) {
            QObject::disconnect(action, nullptr, &preview, nullptr);
            action->setObjectName(QStringLiteral("previewPrint"));
            QObject::connect(action, &QAction::triggered, &preview, &QDialog::accept);
        } else if (fixed.contains(action->text())) {
            action->setVisible(false);
        }
    }
}

// Large enough to read a page at once, never larger than the screen.
void sizeForPage(QPrintPreviewDialog& preview, QWidget* parent) {
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const int height = room.height() * 9 / 10;
    preview.resize(std::min(room.width() * 9 / 10, height * 9 / 10), height);
}

}  // namespace

bool previewAccepted(const RecordedDocument& document, QWidget* parent) {
    if (document.empty()) return false;
    // The preview's pages: the same paper and printable area as every
    // printer of the program. A PDF device needs no system printer.
    QPrinter pages(QPrinter::HighResolution);
    pages.setOutputFormat(QPrinter::PdfFormat);
    QtPrinter::setUpPage(pages);
    QPrintPreviewDialog preview(&pages, parent);
    preview.setObjectName(QStringLiteral("printPreview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&document](QPrinter* printer) {
        auto drawing = QtPrinter::onto(*printer);
        document.replay(*drawing);
    });
    adaptActions(preview);
    sizeForPage(preview, parent);
    return preview.exec() == QDialog::Accepted;
}

}  // namespace qv::gui
