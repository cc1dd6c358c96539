// A spreadsheet that records every call the export makes, in order, and keeps
// the cells it was given. Used by the tests.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/spreadsheet.h"

namespace qv::platform {

class RecordingSpreadsheet : public Spreadsheet {
public:
    struct Font {
        bool bold = false;
        Rgb color;
        friend bool operator==(const Font&, const Font&) = default;
    };

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
    void setStatusBar(std::string_view text) override;
    void applyPageSetup(const PageSetup& setup) override;
    void saveWorkbook() override;

    // Every call as a line of text ("setCellValue 55 1 TOTALS="), in order.
    const std::vector<std::string>& calls() const { return calls_; }
    // Makes the call with this name (and every later one) fail.
    void failAt(std::string callName) { failAt_ = std::move(callName); }

    // The workbook as left by the calls.
    std::string cell(int row, int column) const;
    std::optional<Font> font(int row, int column) const;
    int frozenRow() const { return frozenRow_; }
    bool visible() const { return visible_; }
    const std::string& statusBar() const { return statusBar_; }
    const PageSetup& pageSetup() const { return pageSetup_; }
    const std::filesystem::path& workbookPath() const { return path_; }
    std::optional<Orientation> orientation() const { return orientation_; }
    int saves() const { return saves_; }

private:
    void call(std::string line);

    std::vector<std::string> calls_;
    std::optional<std::string> failAt_;
    bool failing_ = false;
    bool hasApplication_ = false;
    bool visible_ = false;
    std::filesystem::path path_;
    std::optional<Orientation> orientation_;
    std::map<std::pair<int, int>, std::string> cells_;
    std::map<std::pair<int, int>, Font> fonts_;
    int selectedRow_ = 0;
    int frozenRow_ = 0;
    std::string statusBar_;
    PageSetup pageSetup_;
    int saves_ = 0;
};

}  // namespace qv::platform
