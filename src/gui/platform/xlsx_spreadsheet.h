// The export's spreadsheet on the desktop: an .xlsx workbook written with
// libxlsxwriter. The calls build the sheet in memory; saving writes the
// workbook beside nothing else (a temporary file) and then replaces the
// target in one step, so an earlier export is never left half overwritten.
// "Visible" asks the desktop to open the saved workbook.
#pragma once

#include <map>
#include <utility>

#include "platform/spreadsheet.h"
#include "platform/ui.h"

namespace qv::platform {

class XlsxSpreadsheet : public Spreadsheet {
public:
    explicit XlsxSpreadsheet(Ui& ui) : ui_(ui) {}

    bool hasApplication() const override { return hasApplication_; }
    void createApplication() override;
    void setVisible(bool visible) override;
    void quit() override;
    void release() override;
    void addWorkbook(const std::filesystem::path& path) override;
    void setOrientation(Orientation orientation) override;
    void setCellValue(int row, int column, std::string_view text) override;
    void selectRow(int row) override;
    void freezePanes() override;
    void selectCell(int row, int column) override;
    void setFont(int row, int firstColumn, int lastColumn, bool bold, Rgb color) override;
    void autoFitColumns() override;
    // A workbook file has no status bar; the text is kept for nothing else.
    void setStatusBar(std::string_view text) override;
    void applyPageSetup(const PageSetup& setup) override;
    void saveWorkbook() override;

    // The path of the last workbook saved.
    const std::filesystem::path& savedPath() const { return saved_; }

private:
    struct Font {
        bool bold = false;
        Rgb color;
    };
    struct Sheet {
        std::filesystem::path path;
        Orientation orientation = Orientation::Portrait;
        std::map<std::pair<int, int>, std::string> cells;
        std::map<std::pair<int, int>, Font> fonts;
        std::map<int, double> widths;
        int selectedRow = 1, selectedColumn = 1;
        int frozenRow = 0;
        PageSetup setup;
    };
    Sheet& sheet();
    void writeWorkbook(const std::filesystem::path& file) const;

    Ui& ui_;
    bool hasApplication_ = false;
    bool visible_ = false;
    bool hasWorkbook_ = false;
    Sheet sheet_;
    std::string statusBar_;
    std::filesystem::path saved_;
};

}  // namespace qv::platform
