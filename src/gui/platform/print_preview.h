// What a print command draws, kept whole until the user has seen it: the
// preview shows the pages, and only "Print" there sends the very same
// drawing to the printer chosen before.
//
//   RecordedDocument doc;          // the layouts' Printer calls, in order
//   ...                            // (or one window picture)
//   if (previewAccepted(doc, parent)) doc.replay(chosenPrinter);
#pragma once

#include <QImage>
#include <QString>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

class QWidget;

namespace qv::gui {

class QtPrinter;

class RecordedDocument {
public:
    struct FontName {
        std::string name;
    };
    struct FontSize {
        double points;
    };
    struct Text {
        int column;  // 0: at the current position
        std::string text;
    };
    struct EndLine {};
    struct Landscape {
        bool landscape;
    };
    using Step = std::variant<FontName, FontSize, Text, EndLine, Landscape>;

    void add(Step step) { steps_.push_back(std::move(step)); }
    // A picture of a window instead of text: the whole document.
    void setPicture(QImage picture, std::string_view windowName);

    bool empty() const { return steps_.empty() && !isPicture_; }
    bool isPicture() const { return isPicture_; }

    // Draws the document on `printer` and ends it there.
    void replay(QtPrinter& printer) const;

private:
    std::vector<Step> steps_;
    bool isPicture_ = false;
    QImage picture_;
    std::string windowName_;
};

// The print preview of a document, on the printer's own page; true when the
// user chose "Print" there (its action is named "previewPrint"), false when
// the preview was closed or cancelled.
bool previewAccepted(const RecordedDocument& document, QWidget* parent);

}  // namespace qv::gui
