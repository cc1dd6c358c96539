#include "gui/platform/chosen_printer.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include "gui/platform/qt_ui.h"

namespace qv::gui {

namespace {

// What the user sees of a window: its widgets as they are drawn now.
QImage shownWindow(std::string_view name) {
    const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == wanted && w->isVisible()) return w->grab().toImage();
    return {};
}

}  // namespace

bool ChosenPrinter::choose(QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    if (!lastPrinter_.isEmpty()) printer.setPrinterName(lastPrinter_);
    if (!lastPdf_.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(lastPdf_);
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
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
    current_->setWindowGrabber(shownWindow);
    // A new printer starts from its own settings.
    document_ = RecordedDocument();
    landscape_ = false;
    fontName_ = "Arial";
    fontSize_ = 10;
    freshChoice_ = true;
    return true;
}

bool ChosenPrinter::printerForNewDocument() {
    if (!freshChoice_ && !choose(dialogParent())) return false;
    freshChoice_ = false;
    return true;
}

void ChosenPrinter::record(RecordedDocument::Step step) {
    if (dropping_) return;
    if (document_.empty()) {
        if (!printerForNewDocument()) {
            dropping_ = true;
            return;
        }
        document_.add(RecordedDocument::Landscape{landscape_});
        document_.add(RecordedDocument::FontName{fontName_});
        document_.add(RecordedDocument::FontSize{fontSize_});
    }
    document_.add(std::move(step));
}

void ChosenPrinter::setFontName(std::string_view name) {
    record(RecordedDocument::FontName{std::string(name)});
    fontName_ = std::string(name);
}

void ChosenPrinter::setFontSize(double points) {
    record(RecordedDocument::FontSize{points});
    if (points > 0) fontSize_ = points;
}

void ChosenPrinter::printAt(int column, std::string_view text) {
    record(RecordedDocument::Text{column < 1 ? 1 : column, std::string(text)});
}

void ChosenPrinter::print(std::string_view text) { record(RecordedDocument::Text{0, std::string(text)}); }
void ChosenPrinter::endLine() { record(RecordedDocument::EndLine{}); }

void ChosenPrinter::setLandscape(bool landscape) {
    record(RecordedDocument::Landscape{landscape});
    landscape_ = landscape;
}

void ChosenPrinter::endDocument() {
    if (dropping_) {
        dropping_ = false;
        return;
    }
    if (!current_ || document_.empty()) return;
    RecordedDocument document = std::move(document_);
    document_ = RecordedDocument();
    previewThenPrint(document);
}

void ChosenPrinter::printWindowImage(std::string_view windowName) {
    // The picture is a document of its own.
    endDocument();
    if (!printerForNewDocument()) return;
    RecordedDocument picture;
    picture.setPicture(current_->grabWindow(windowName), windowName);
    previewThenPrint(picture);
}

void ChosenPrinter::previewThenPrint(const RecordedDocument& document) {
    if (previewAccepted(document, dialogParent())) document.replay(*current_);
}

}  // namespace qv::gui
