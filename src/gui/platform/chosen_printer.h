// The printer the print commands draw on in the desktop program: whatever
// the user picked in the last printer dialog, a system printer or a PDF file.
#pragma once

#include <memory>

#include "gui/platform/qt_printer.h"
#include "platform/printer.h"

class QWidget;

namespace qv::gui {

class ChosenPrinter : public platform::Printer {
public:
    // The printer dialog; false when cancelled (nothing is printed then).
    bool choose(QWidget* parent);
    // The printer picked last; null before the first choice.
    QtPrinter* current() const { return current_.get(); }

    void setFontName(std::string_view name) override;
    void setFontSize(double points) override;
    void printAt(int column, std::string_view text) override;
    void print(std::string_view text) override;
    void endLine() override;
    void endDocument() override;
    void setLandscape(bool landscape) override;
    void printWindowImage(std::string_view windowName) override;

private:
    std::unique_ptr<QtPrinter> current_;
    QString lastPrinter_;
    QString lastPdf_;
};

}  // namespace qv::gui
