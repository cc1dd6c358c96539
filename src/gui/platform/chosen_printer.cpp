#include "gui/platform/chosen_printer.h"

#include <QPrintDialog>
#include <QPrinter>

namespace qv::gui {

bool ChosenPrinter::choose(QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    if (!lastPrinter_.isEmpty()) printer.setPrinterName(lastPrinter_);
    if (!lastPdf_.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(lastPdf_);
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        lastPdf_ = printer.outputFileName();
        current_ = QtPrinter::toPdf(lastPdf_.toStdString());
    } else {
        lastPdf_.clear();
        lastPrinter_ = printer.printerName();
        current_ = QtPrinter::toSystemPrinter(lastPrinter_.toStdString());
    }
    return true;
}

// Before any choice there is nowhere to print: the output is dropped, as
// the core only prints after a choice.
void ChosenPrinter::setFontName(std::string_view name) { if (current_) current_->setFontName(name); }
void ChosenPrinter::setFontSize(double points) { if (current_) current_->setFontSize(points); }
void ChosenPrinter::printAt(int column, std::string_view text) { if (current_) current_->printAt(column, text); }
void ChosenPrinter::print(std::string_view text) { if (current_) current_->print(text); }
void ChosenPrinter::endLine() { if (current_) current_->endLine(); }
void ChosenPrinter::endDocument() { if (current_) current_->endDocument(); }
void ChosenPrinter::setLandscape(bool landscape) { if (current_) current_->setLandscape(landscape); }
void ChosenPrinter::printWindowImage(std::string_view windowName) {
    if (current_) current_->printWindowImage(windowName);
}

}  // namespace qv::gui
