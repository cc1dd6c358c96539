#include "gui/platform/qt_printer.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <cstdlib>

namespace qv::gui {

namespace {

// The printable area begins a quarter inch in from each edge, as on most
// office printers, so a PDF and paper agree.
constexpr double kMarginPoints = 18;

QString qText(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QImage grabTopLevelWindow(std::string_view name) {
    const QString wanted = qText(name);
    for (QWindow* w : QGuiApplication::allWindows()) {
        if (w->objectName() != wanted && w->objectName() != wanted + QStringLiteral("Window")) continue;
        QScreen* screen = w->screen();
        if (!screen) continue;
        return screen->grabWindow(w->winId()).toImage();
    }
    return {};
}

}  // namespace

void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "quorvane";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends, like the application of a desktop program.
    new QGuiApplication(argc, argv);
}

void QtPrinter::setUpPage(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints), QPageLayout::Point);
    printer.setFullPage(false);
}

QtPrinter::QtPrinter(QPrinter* printer, std::unique_ptr<QPrinter> owned)
    : owned_(std::move(owned)), printer_(printer), grabber_(grabTopLevelWindow) {
    setUpPage(*printer_);
    font_ = QFont(QStringLiteral("Arial"));
    font_.setPointSizeF(10);
}

QtPrinter::~QtPrinter() {
    if (painter_.isActive()) painter_.end();
}

std::unique_ptr<QtPrinter> QtPrinter::owning() {
    auto owned = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter* printer = owned.get();
    return std::unique_ptr<QtPrinter>(new QtPrinter(printer, std::move(owned)));
}

std::unique_ptr<QtPrinter> QtPrinter::onto(QPrinter& printer) {
    ensureGuiApplication();
    return std::unique_ptr<QtPrinter>(new QtPrinter(&printer, nullptr));
}

std::unique_ptr<QtPrinter> QtPrinter::toPdf(const std::filesystem::path& file) {
    ensureGuiApplication();
    std::unique_ptr<QtPrinter> p = owning();
    p->printer_->setOutputFormat(QPrinter::PdfFormat);
    p->printer_->setOutputFileName(QString::fromStdString(file.string()));
    return p;
}

std::unique_ptr<QtPrinter> QtPrinter::toSystemPrinter(const std::string& name) {
    ensureGuiApplication();
    std::unique_ptr<QtPrinter> p = owning();
    p->printer_->setOutputFormat(QPrinter::NativeFormat);
    p->printer_->setPrinterName(QString::fromStdString(name));
    if (!p->printer_->isValid() || p->printer_->printerName() != QString::fromStdString(name))
        p->error_ = "There is no printer named \"" + name + "\".";
    return p;
}

bool QtPrinter::begin() {
    if (painter_.isActive()) return true;
    if (!error_.empty()) return false;
    printer_->setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!painter_.begin(printer_)) {
        error_ = "The printer could not start the document";
        if (printer_->outputFormat() == QPrinter::PdfFormat)
            error_ += " (cannot write \"" + printer_->outputFileName().toStdString() + "\")";
        error_ += ".";
        return false;
    }
    pages_ = 1;
    x_ = 0;
    y_ = 0;
    applyFont();
    return true;
}

void QtPrinter::applyFont() {
    if (painter_.isActive()) painter_.setFont(font_);
}

void QtPrinter::setFontName(std::string_view name) {
    font_.setFamily(qText(name));
    applyFont();
}

void QtPrinter::setFontSize(double points) {
    if (points > 0) font_.setPointSizeF(points);
    applyFont();
}

// The average character width that tab columns count in: the weighted
// average of the lowercase letters and the space, by their frequency in
// English text. It is the width printers have always reported for a font
// (Arial: 904/2048 of its size). Newer font files, Liberation Sans among
// them, store an average over every glyph (1208/2048) in the field that
// QFontMetricsF::averageCharWidth() reads; that would push the stub's right
// columns and the check's date off the paper, so the width is measured
// from the letters themselves, at the printer's resolution.
double QtPrinter::averageCharWidth() const {
    static constexpr struct {
        char c;
        int weight;
    } kWeights[] = {{'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14},
                    {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20}, {'n', 56},
                    {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71}, {'u', 31},
                    {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166}};
    if (widthFor_ == font_ && widthCache_ > 0) return widthCache_;
    QFontMetricsF m(font_, printer_);
    double sum = 0;
    for (const auto& w : kWeights) sum += w.weight * m.horizontalAdvance(QChar(w.c));
    widthFor_ = font_;
    widthCache_ = sum / 1000.0;
    return widthCache_;
}

void QtPrinter::newPageIfBelow(double lineHeight) {
    if (y_ + lineHeight <= printer_->height() || y_ == 0) return;
    printer_->setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer_->newPage();
    ++pages_;
    y_ = 0;
}

void QtPrinter::draw(const QString& text) {
    QFontMetricsF m(font_, printer_);
    newPageIfBelow(m.height());
    painter_.drawText(QPointF(x_, y_ + m.ascent()), text);
    x_ += m.horizontalAdvance(text);
}

void QtPrinter::printAt(int column, std::string_view text) {
    if (!begin()) return;
    if (column < 1) column = 1;
    const double target = (column - 1) * averageCharWidth();
    // A position past the column moves on to the next line; a hair's breadth
    // of rounding is not "past".
    if (x_ > target + 0.01) endLine();
    x_ = target;
    draw(qText(text));
}

void QtPrinter::print(std::string_view text) {
    if (!begin()) return;
    draw(qText(text));
}

void QtPrinter::endLine() {
    if (!begin()) return;
    QFontMetricsF m(font_, printer_);
    y_ += m.lineSpacing();
    x_ = 0;
    // The page turns when the next text would not fit, so trailing blank
    // lines never start an empty page.
}

void QtPrinter::endDocument() {
    if (!begin()) return;
    painter_.end();
    pagesPrinted_ += pages_;
    pages_ = 0;
    x_ = 0;
    y_ = 0;
}

void QtPrinter::setLandscape(bool landscape) {
    landscape_ = landscape;
    // While a document is open the new setting applies from its next page.
    if (!painter_.isActive()) printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QImage QtPrinter::grabWindow(std::string_view windowName) const {
    return grabber_ ? grabber_(windowName) : QImage();
}

void QtPrinter::printWindowImage(std::string_view windowName) { printImage(grabWindow(windowName), windowName); }

void QtPrinter::printImage(const QImage& image, std::string_view windowName) {
    // The picture is a document of its own, as the window-image print of
    // the desktop has always been.
    if (painter_.isActive()) endDocument();
    if (!begin()) return;
    if (!image.isNull()) {
        QRectF page(0, 0, printer_->width(), printer_->height());
        QSizeF size = QSizeF(image.size()).scaled(page.size(), Qt::KeepAspectRatio);
        painter_.drawImage(QRectF(QPointF(0, 0), size), image);
    } else {
        error_ = "The window \"" + std::string(windowName) + "\" could not be pictured.";
    }
    painter_.end();
    pagesPrinted_ += pages_;
    pages_ = 0;
}

}  // namespace qv::gui
