// A printer that renders every page to a grid of characters: column n is
// character n of the line, every font has the same width. Used by the tests
// and by the command line's ".txt" output.
#pragma once

#include <string>
#include <vector>

#include "platform/printer.h"

namespace qv::platform {

class TextPrinter : public Printer {
public:
    struct Page {
        std::vector<std::string> lines;
        // The font ("Arial 11") in use when each line received its first text;
        // empty for a line that stayed blank.
        std::vector<std::string> fonts;
    };
    struct Document {
        bool landscape = false;
        std::vector<Page> pages;
    };

    // linesPerPage 0: a page ends only with its document.
    explicit TextPrinter(int linesPerPage = 0) : linesPerPage_(linesPerPage) {}

    void setFontName(std::string_view name) override;
    void setFontSize(double points) override;
    void printAt(int column, std::string_view text) override;
    void print(std::string_view text) override;
    void endLine() override;
    void endDocument() override;
    void setLandscape(bool landscape) override { landscape_ = landscape; }
    void printWindowImage(std::string_view windowName) override;

    // The documents ended so far.
    const std::vector<Document>& documents() const { return documents_; }
    // Every page of every ended document as text: lines without trailing
    // blanks, each ended by "\n", pages separated by a form feed.
    std::string text() const;
    // True while a document has output that was not yet ended.
    bool pending() const { return !page_.lines.empty() || !pages_.empty() || lineStarted_; }

private:
    void startLine();
    void newPageIfFull();

    int linesPerPage_;
    std::string fontName_ = "Arial";
    double fontSize_ = 10;
    bool landscape_ = false;
    std::string line_;
    bool lineStarted_ = false;
    std::string lineFont_;
    Page page_;
    std::vector<Page> pages_;
    std::vector<Document> documents_;
};

}  // namespace qv::platform
