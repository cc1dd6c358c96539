#include "platform/headless/recording_spreadsheet.h"

namespace qv::platform {

void RecordingSpreadsheet::call(std::string line) {
    std::string name = line.substr(0, line.find(' '));
    if (failAt_ && *failAt_ == name) failing_ = true;
    calls_.push_back(std::move(line));
    if (failing_) throw SpreadsheetError("recorded failure at " + name);
}

void RecordingSpreadsheet::createApplication() {
    call("createApplication");
    hasApplication_ = true;
    visible_ = false;
}

void RecordingSpreadsheet::setVisible(bool visible) {
    call(std::string("setVisible ") + (visible ? "true" : "false"));
    visible_ = visible;
}

void RecordingSpreadsheet::quit() { call("quit"); }

void RecordingSpreadsheet::release() {
    calls_.push_back("release");
    hasApplication_ = false;
}

void RecordingSpreadsheet::addWorkbook(const std::filesystem::path& path) {
    call("addWorkbook " + path.filename().string());
    path_ = path;
    cells_.clear();
    fonts_.clear();
    frozenRow_ = 0;
}

void RecordingSpreadsheet::setOrientation(Orientation orientation) {
    call("setOrientation " + std::to_string(static_cast<int>(orientation)));
    orientation_ = orientation;
}

void RecordingSpreadsheet::setCellValue(int row, int column, std::string_view text) {
    call("setCellValue " + std::to_string(row) + " " + std::to_string(column) + " " + std::string(text));
    cells_[{row, column}] = std::string(text);
}

void RecordingSpreadsheet::selectRow(int row) {
    call("selectRow " + std::to_string(row));
    selectedRow_ = row;
}

void RecordingSpreadsheet::freezePanes() {
    call("freezePanes");
    frozenRow_ = selectedRow_;
}

void RecordingSpreadsheet::selectCell(int row, int column) {
    call("selectCell " + std::to_string(row) + " " + std::to_string(column));
    selectedRow_ = row;
}

void RecordingSpreadsheet::setFont(int row, int firstColumn, int lastColumn, bool bold, Rgb color) {
    call("setFont " + std::to_string(row) + " " + std::to_string(firstColumn) + "-" + std::to_string(lastColumn) +
         (bold ? " bold " : " plain ") + std::to_string(color.r) + "," + std::to_string(color.g) + "," +
         std::to_string(color.b));
    for (int c = firstColumn; c <= lastColumn; ++c) fonts_[{row, c}] = Font{bold, color};
}

void RecordingSpreadsheet::autoFitColumns() { call("autoFitColumns"); }

void RecordingSpreadsheet::setStatusBar(std::string_view text) {
    call("setStatusBar " + std::string(text));
    statusBar_ = std::string(text);
}

void RecordingSpreadsheet::applyPageSetup(const PageSetup& setup) {
    call("applyPageSetup");
    pageSetup_ = setup;
}

void RecordingSpreadsheet::saveWorkbook() {
    call("saveWorkbook");
    ++saves_;
}

std::string RecordingSpreadsheet::cell(int row, int column) const {
    auto it = cells_.find({row, column});
    return it == cells_.end() ? std::string() : it->second;
}

std::optional<RecordingSpreadsheet::Font> RecordingSpreadsheet::font(int row, int column) const {
    auto it = fonts_.find({row, column});
    if (it == fonts_.end()) return std::nullopt;
    return it->second;
}

}  // namespace qv::platform
