// The system printer as the print layouts use it: text laid out in tab
// columns of the current font, line by line.
#pragma once

#include <string_view>

namespace qv::platform {

class Printer {
public:
    virtual ~Printer() = default;

    virtual void setFontName(std::string_view name) = 0;
    virtual void setFontSize(double points) = 0;

    // Prints at tab column `column`. Column n begins n - 1 average character
    // widths of the current font from the left edge of the printable area.
    // When the position is already past column n, the text goes to column n
    // of the next line; a column below 1 counts as 1.
    virtual void printAt(int column, std::string_view text) = 0;
    // Prints at the current position.
    virtual void print(std::string_view text) = 0;
    // The next output starts at column 1 of the next line; ending an empty
    // line gives a blank line.
    virtual void endLine() = 0;
    // Sends the document to the printer; the next output starts a new one.
    virtual void endDocument() = 0;

    // The one page setting the layouts use: landscape (true) or portrait.
    virtual void setLandscape(bool landscape) = 0;

    // Prints a picture of the named window as it is shown on screen, on a
    // page of its own.
    virtual void printWindowImage(std::string_view windowName) = 0;
};

}  // namespace qv::platform
