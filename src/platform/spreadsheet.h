// The spreadsheet application the ledger export drives. Its operations are the
// export's calls, in the order the export makes them; an implementation
// either performs them on a real workbook or records them. Any operation may
// throw SpreadsheetError; the export then ends silently.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qv::platform {

class SpreadsheetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class Orientation { Portrait = 1, Landscape = 2 };

// The page setup applied at the end of the export.
struct PageSetup {
    std::string centerHeader;
    std::string leftFooter, centerFooter, rightFooter;
    bool zoom = true;  // false: the fit-to-pages settings apply
    int fitToPagesWide = 0;
    int fitToPagesTall = 0;
    // Margins in inches.
    double topMargin = 0, headerMargin = 0, bottomMargin = 0, footerMargin = 0, leftMargin = 0, rightMargin = 0;
    bool centerHorizontally = false;
    bool centerVertically = false;
    friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

class Spreadsheet {
public:
    virtual ~Spreadsheet() = default;

    // The application object: created by the export, dropped by a later
    // export or when the ledger grid closes.
    virtual bool hasApplication() const = 0;
    virtual void createApplication() = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void quit() = 0;
    // Forgets the application; it stays open for the user.
    virtual void release() = 0;

    // A new workbook whose file, when saved, is `path`.
    virtual void addWorkbook(const std::filesystem::path& path) = 0;
    virtual void setOrientation(Orientation orientation) = 0;
    // Row and column numbers count from 1. The text is passed as typed; the
    // application decides whether it reads as a number.
    virtual void setCellValue(int row, int column, std::string_view text) = 0;
    virtual void selectRow(int row) = 0;
    // Freezes the rows above the selection.
    virtual void freezePanes() = 0;
    virtual void selectCell(int row, int column) = 0;
    // Font of the cells firstColumn..lastColumn of a row.
    virtual void setFont(int row, int firstColumn, int lastColumn, bool bold, Rgb color) = 0;
    virtual void autoFitColumns() = 0;
    virtual void setStatusBar(std::string_view text) = 0;
    virtual void applyPageSetup(const PageSetup& setup) = 0;
    // Writes the workbook to its file.
    virtual void saveWorkbook() = 0;
};

}  // namespace qv::platform
