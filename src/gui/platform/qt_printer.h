// The system printer on Qt: QPainter on a QPrinter, to a PDF file or to a
// printer by name, Letter paper. Tab columns are average character widths of
// the current font at the printer's resolution, so "Arial" (Liberation Sans,
// its metric twin, where Arial itself is absent) lands the columns where the
// pre-printed forms expect them.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/printer.h"

namespace qv::gui {

// Creates the QGuiApplication printing needs when the process has none (the
// command line, the tests). Without a display it uses the offscreen platform.
void ensureGuiApplication();

class QtPrinter : public platform::Printer {
public:
    // A printer writing every document to this PDF file (a later document
    // replaces an earlier one).
    static std::unique_ptr<QtPrinter> toPdf(const std::filesystem::path& file);
    // A system printer by name; check error() before use: an unknown name is
    // reported there.
    static std::unique_ptr<QtPrinter> toSystemPrinter(const std::string& name);
    // A printer drawing on `printer`, which the caller owns (the pages of a
    // print preview). The page is set up as on every other QtPrinter.
    static std::unique_ptr<QtPrinter> onto(QPrinter& printer);
    // Letter paper with the printable area every QtPrinter prints in.
    static void setUpPage(QPrinter& printer);

    ~QtPrinter() override;

    void setFontName(std::string_view name) override;
    void setFontSize(double points) override;
    void printAt(int column, std::string_view text) override;
    void print(std::string_view text) override;
    void endLine() override;
    void endDocument() override;
    void setLandscape(bool landscape) override;
    void printWindowImage(std::string_view windowName) override;

    // The picture of a window as printWindowImage takes it; null when the
    // window cannot be pictured.
    QImage grabWindow(std::string_view windowName) const;
    // Prints a picture scaled to fit the page, as a document of its own;
    // `windowName` names it in the error of a null picture.
    void printImage(const QImage& image, std::string_view windowName);

    // How a window's picture is taken; the desktop sets one that renders its
    // view. By default the top-level window of that object name is grabbed.
    using WindowGrabber = std::function<QImage(std::string_view windowName)>;
    void setWindowGrabber(WindowGrabber grabber) { grabber_ = std::move(grabber); }

    // Empty while all is well; otherwise why the output failed.
    const std::string& error() const { return error_; }
    // Pages of the documents ended so far.
    int pagesPrinted() const { return pagesPrinted_; }

private:
    QtPrinter(QPrinter* printer, std::unique_ptr<QPrinter> owned);
    static std::unique_ptr<QtPrinter> owning();
    bool begin();
    void applyFont();
    void draw(const QString& text);
    void newPageIfBelow(double lineHeight);
    double averageCharWidth() const;

    std::unique_ptr<QPrinter> owned_;
    QPrinter* printer_;
    QPainter painter_;
    QFont font_;
    mutable QFont widthFor_;
    mutable double widthCache_ = 0;
    bool landscape_ = false;
    double x_ = 0;  // device units from the printable area's left edge
    double y_ = 0;  // top of the current line
    int pages_ = 0;
    int pagesPrinted_ = 0;
    WindowGrabber grabber_;
    std::string error_;
};

}  // namespace qv::gui
