// The printer the print commands draw on in the desktop program: whatever
// the user picked in the last printer dialog, a system printer or a PDF file.
// Each document is held back until the user has seen it in the print
// preview; "Print" there sends it, closing the preview drops it. A document
// begun without a printer chosen for it (the check prints straight from its
// offset dialog) asks for the printer first.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "gui/platform/print_preview.h"
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
    // The picture of the program's window of that name as it is on screen.
    void printWindowImage(std::string_view windowName) override;

private:
    void record(RecordedDocument::Step step);
    bool printerForNewDocument();
    void previewThenPrint(const RecordedDocument& document);

    std::unique_ptr<QtPrinter> current_;
    QString lastPrinter_;
    QString lastPdf_;
    RecordedDocument document_;
    // A choice made and not yet used by a document.
    bool freshChoice_ = false;
    // The document under way goes nowhere: its printer choice was cancelled.
    bool dropping_ = false;
    // The settings in force when a document starts: its preview begins with
    // them, as the printer does.
    bool landscape_ = false;
    std::string fontName_ = "Arial";
    double fontSize_ = 10;
};

}  // namespace qv::gui
