#include "xlsx_spreadsheet.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>

#include "common/file_io.h"
#include "common/numbers.h"

namespace qv::platform {
namespace {

// Numbers show with two decimals, as the ledger shows its amounts.
constexpr const char* kNumberFormat = "0.00";
// A footer section holds at most this many characters of user text, so the
// whole footer stays within what a workbook allows.
constexpr std::size_t kFooterPart = 70;
// The writer takes a header or footer margin of 0 as "use the default"; the
// nearest to none it keeps is this (inches).
constexpr double kLeastHeaderMargin = 0.01;

std::string footerText(const std::string& text) {
    std::string out;
    for (char c : text.substr(0, kFooterPart)) {
        out.push_back(c);
        if (c == '&') out.push_back('&');  // a literal ampersand
    }
    return out;
}

// The text a cell shows, for fitting the column to it.
std::string shownText(const std::string& text) {
    if (auto v = convertNumber(text)) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.2f", *v);
        return buf;
    }
    return text;
}

void check(lxw_error e, const char* what) {
    if (e != LXW_NO_ERROR) throw SpreadsheetError(std::string(what) + ": " + lxw_strerror(e));
}

struct WorkbookCloser {
    void operator()(lxw_workbook* wb) const {
        if (wb) workbook_close(wb);
    }
};

}  // namespace

XlsxSpreadsheet::Sheet& XlsxSpreadsheet::sheet() {
    if (!hasApplication_) throw SpreadsheetError("no spreadsheet application");
    if (!hasWorkbook_) throw SpreadsheetError("no workbook");
    return sheet_;
}

void XlsxSpreadsheet::createApplication() {
    hasApplication_ = true;
    visible_ = false;
    hasWorkbook_ = false;
}

void XlsxSpreadsheet::setVisible(bool visible) {
    if (!hasApplication_) throw SpreadsheetError("no spreadsheet application");
    bool show = visible && !visible_;
    visible_ = visible;
    // A workbook already on disk opens now; otherwise it opens once saved.
    if (show && hasWorkbook_ && !saved_.empty() && saved_ == sheet_.path) ui_.openDocument(saved_);
}

void XlsxSpreadsheet::quit() {
    hasWorkbook_ = false;
    sheet_ = Sheet{};
}

void XlsxSpreadsheet::release() {
    hasApplication_ = false;
    visible_ = false;
}

void XlsxSpreadsheet::addWorkbook(const std::filesystem::path& path) {
    if (!hasApplication_) throw SpreadsheetError("no spreadsheet application");
    sheet_ = Sheet{};
    sheet_.path = path;
    hasWorkbook_ = true;
    saved_.clear();
}

void XlsxSpreadsheet::setOrientation(Orientation orientation) { sheet().orientation = orientation; }

void XlsxSpreadsheet::setCellValue(int row, int column, std::string_view text) {
    if (row < 1 || column < 1 || row > 1048576 || column > 16384) throw SpreadsheetError("no such cell");
    sheet().cells[{row, column}] = std::string(text);
}

void XlsxSpreadsheet::selectRow(int row) {
    Sheet& s = sheet();
    s.selectedRow = row;
    s.selectedColumn = 1;
}

void XlsxSpreadsheet::freezePanes() {
    Sheet& s = sheet();
    s.frozenRow = s.selectedRow;
}

void XlsxSpreadsheet::selectCell(int row, int column) {
    Sheet& s = sheet();
    s.selectedRow = row;
    s.selectedColumn = column;
}

void XlsxSpreadsheet::setFont(int row, int firstColumn, int lastColumn, bool bold, Rgb color) {
    Sheet& s = sheet();
    for (int c = firstColumn; c <= lastColumn; ++c) s.fonts[{row, c}] = Font{bold, color};
}

void XlsxSpreadsheet::autoFitColumns() {
    Sheet& s = sheet();
    s.widths.clear();
    for (const auto& [pos, text] : s.cells) {
        double width = static_cast<double>(shownText(text).size()) * 1.1 + 1.0;
        double& w = s.widths[pos.second];
        w = std::max(w, width);
    }
}

void XlsxSpreadsheet::setStatusBar(std::string_view text) {
    sheet();
    statusBar_ = std::string(text);
}

void XlsxSpreadsheet::applyPageSetup(const PageSetup& setup) { sheet().setup = setup; }

void XlsxSpreadsheet::writeWorkbook(const std::filesystem::path& file) const {
    const Sheet& s = sheet_;
    std::unique_ptr<lxw_workbook, WorkbookCloser> wb(workbook_new(file.string().c_str()));
    if (!wb) throw SpreadsheetError("cannot create the workbook");
    lxw_worksheet* ws = workbook_add_worksheet(wb.get(), nullptr);
    if (!ws) throw SpreadsheetError("cannot add a worksheet");

    // One format per font and number combination in use.
    std::map<std::tuple<bool, bool, unsigned, bool>, lxw_format*> formats;
    auto formatFor = [&](const Font* font, bool number) -> lxw_format* {
        if (!font && !number) return nullptr;
        bool hasFont = font != nullptr;
        bool bold = hasFont && font->bold;
        unsigned rgb = hasFont ? (unsigned(font->color.r) << 16 | unsigned(font->color.g) << 8 | font->color.b) : 0;
        auto key = std::make_tuple(hasFont, bold, rgb, number);
        auto it = formats.find(key);
        if (it != formats.end()) return it->second;
        lxw_format* f = workbook_add_format(wb.get());
        if (hasFont) {
            if (bold) format_set_bold(f);
            format_set_font_color(f, static_cast<lxw_color_t>(rgb));
        }
        if (number) format_set_num_format(f, kNumberFormat);
        formats.emplace(key, f);
        return f;
    };

    std::map<std::pair<int, int>, bool> written;
    for (const auto& [pos, text] : s.cells) {
        auto fit = s.fonts.find(pos);
        const Font* font = fit == s.fonts.end() ? nullptr : &fit->second;
        auto row = static_cast<lxw_row_t>(pos.first - 1);
        auto col = static_cast<lxw_col_t>(pos.second - 1);
        if (auto v = convertNumber(text)) {
            check(worksheet_write_number(ws, row, col, *v, formatFor(font, true)), "cell");
        } else if (!text.empty()) {
            check(worksheet_write_string(ws, row, col, text.c_str(), formatFor(font, false)), "cell");
        } else if (font) {
            check(worksheet_write_blank(ws, row, col, formatFor(font, false)), "cell");
        }
        written[pos] = true;
    }
    // Formatted cells that hold nothing keep their font for later typing.
    for (const auto& [pos, font] : s.fonts) {
        if (written.count(pos)) continue;
        check(worksheet_write_blank(ws, static_cast<lxw_row_t>(pos.first - 1), static_cast<lxw_col_t>(pos.second - 1),
                                    formatFor(&font, false)),
              "cell");
    }

    for (const auto& [col, width] : s.widths)
        check(worksheet_set_column(ws, static_cast<lxw_col_t>(col - 1), static_cast<lxw_col_t>(col - 1), width, nullptr),
              "column width");
    if (s.frozenRow > 1) worksheet_freeze_panes(ws, static_cast<lxw_row_t>(s.frozenRow - 1), 0);
    worksheet_set_selection(ws, static_cast<lxw_row_t>(s.selectedRow - 1), static_cast<lxw_col_t>(s.selectedColumn - 1),
                            static_cast<lxw_row_t>(s.selectedRow - 1), static_cast<lxw_col_t>(s.selectedColumn - 1));
    if (s.orientation == Orientation::Landscape) worksheet_set_landscape(ws);
    else worksheet_set_portrait(ws);

    const PageSetup& p = s.setup;
    lxw_header_footer_options headerOpt{};
    headerOpt.margin = std::max(p.headerMargin, kLeastHeaderMargin);
    std::string header = p.centerHeader.empty() ? std::string() : "&C" + footerText(p.centerHeader);
    check(worksheet_set_header_opt(ws, header.c_str(), &headerOpt), "header");
    lxw_header_footer_options footerOpt{};
    footerOpt.margin = std::max(p.footerMargin, kLeastHeaderMargin);
    std::string footer = "&L" + footerText(p.leftFooter) + "&C" + footerText(p.centerFooter) + "&R" +
                         footerText(p.rightFooter);
    check(worksheet_set_footer_opt(ws, footer.c_str(), &footerOpt), "footer");
    worksheet_set_margins(ws, p.leftMargin, p.rightMargin, p.topMargin, p.bottomMargin);
    if (!p.zoom) worksheet_fit_to_pages(ws, static_cast<uint16_t>(p.fitToPagesWide), static_cast<uint16_t>(p.fitToPagesTall));
    if (p.centerHorizontally) worksheet_center_horizontally(ws);
    if (p.centerVertically) worksheet_center_vertically(ws);

    lxw_error e = workbook_close(wb.release());
    check(e, "saving the workbook");
}

void XlsxSpreadsheet::saveWorkbook() {
    Sheet& s = sheet();
    // Written aside first: the workbook in the working folder is replaced only
    // by a complete file.
    std::filesystem::path temp = std::filesystem::temp_directory_path() /
                                 ("quorvane-" + std::to_string(::getpid()) + "-workbook.xlsx");
    try {
        writeWorkbook(temp);
        auto bytes = readWholeFile(temp);
        if (!bytes) throw SpreadsheetError("cannot read the written workbook");
        std::string error;
        if (!replaceFile(s.path, *bytes, &error)) throw SpreadsheetError(error);
    } catch (...) {
        std::error_code ec;
        std::filesystem::remove(temp, ec);
        throw;
    }
    std::error_code ec;
    std::filesystem::remove(temp, ec);
    saved_ = s.path;
    if (visible_) ui_.openDocument(saved_);
}

}  // namespace qv::platform
