#include "platform/headless/text_printer.h"

#include <cmath>
#include <cstdio>

namespace qv::platform {

namespace {

std::string fontLabel(const std::string& name, double size) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", size);
    return name + " " + buf;
}

std::string rightTrimmed(const std::string& s) {
    auto end = s.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

}  // namespace

void TextPrinter::setFontName(std::string_view name) { fontName_ = std::string(name); }

void TextPrinter::setFontSize(double points) { fontSize_ = points; }

void TextPrinter::startLine() {
    if (!lineStarted_) {
        lineStarted_ = true;
        lineFont_ = fontLabel(fontName_, fontSize_);
    }
}

void TextPrinter::printAt(int column, std::string_view text) {
    if (column < 1) column = 1;
    const std::size_t target = static_cast<std::size_t>(column - 1);
    if (line_.size() > target) endLine();
    startLine();
    line_.append(target - line_.size(), ' ');
    line_ += text;
}

void TextPrinter::print(std::string_view text) {
    startLine();
    line_ += text;
}

void TextPrinter::newPageIfFull() {
    if (linesPerPage_ > 0 && static_cast<int>(page_.lines.size()) >= linesPerPage_) {
        pages_.push_back(std::move(page_));
        page_ = Page{};
    }
}

void TextPrinter::endLine() {
    newPageIfFull();
    page_.lines.push_back(std::move(line_));
    page_.fonts.push_back(lineStarted_ ? lineFont_ : std::string());
    line_.clear();
    lineStarted_ = false;
}

void TextPrinter::endDocument() {
    // Text printed on a line that was never ended still reaches the paper.
    if (lineStarted_) endLine();
    pages_.push_back(std::move(page_));
    page_ = Page{};
    documents_.push_back(Document{landscape_, std::move(pages_)});
    pages_.clear();
}

void TextPrinter::printWindowImage(std::string_view windowName) {
    Page picture;
    picture.lines.push_back("[image of the window " + std::string(windowName) + "]");
    picture.fonts.push_back({});
    documents_.push_back(Document{landscape_, {std::move(picture)}});
}

std::string TextPrinter::text() const {
    std::string out;
    bool first = true;
    for (const auto& doc : documents_) {
        for (const auto& page : doc.pages) {
            if (!first) out += '\f';
            first = false;
            for (const auto& l : page.lines) {
                out += rightTrimmed(l);
                out += '\n';
            }
        }
    }
    return out;
}

}  // namespace qv::platform
