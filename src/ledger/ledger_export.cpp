#include "ledger/ledger_export.h"

#include <array>
#include <exception>
#include <string>

#include "common/messages.h"
#include "ledger/frm_year.h"
#include "ledger/frm_year_tot.h"
#include "paysheet/app.h"
#include "platform/spreadsheet.h"

namespace qv {
namespace {

using platform::Rgb;
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr int kColumns = 16;

// The rows the sheet uses for one frequency.
struct SheetRows {
    int slots;        // period rows 2 .. slots + 1
    int totals;       // the totals row
    int block1;       // SDI/SUI/cafeteria/tips captions
    int block2;       // and their sums
    int blockColumns; // columns the block's fonts cover
};
constexpr SheetRows kWeeklyRows{53, 55, 56, 57, 7};
constexpr SheetRows kBiWeeklyRows{27, 29, 31, 32, 6};

void fillRows(App& app, platform::Spreadsheet& sheet, const SheetRows& rows) {
    FrmYear& grid = app.frmYear();
    grid.ensureLoaded();
    FrmYearTot& tot = app.frmYearTot();
    tot.ensureLoaded();
    const std::array<const FrmYear::Column*, kColumns> columns = {
        &grid.txtDate, &grid.txtFed,  &grid.txtSS,    &grid.txtMedi, &grid.txtState, &grid.txtCity,
        &grid.txtMuni, &grid.txtBond, &grid.txtDues,  &grid.txtPen,  &grid.txtMisc,  &grid.txtKplan,
        &grid.txtTips, &grid.txtOT,   &grid.txtNet,   &grid.txtGross};
    for (int i = 0; i < rows.slots; ++i)
        for (int c = 0; c < kColumns; ++c)
            sheet.setCellValue(i + 2, c + 1, (*columns[static_cast<std::size_t>(c)])[static_cast<std::size_t>(i)]);

    const std::array<const std::string*, kColumns - 1> sums = {
        &tot.txtTotFed,  &tot.txtTotSS,   &tot.txtTotMedi, &tot.txtTotState, &tot.txtTotCity,
        &tot.txtTotMuni, &tot.txtTotBond, &tot.txtTotDues, &tot.txtTotPen,   &tot.txtTotMisc,
        &tot.txtTotKplan, &tot.txtTotTips, &tot.txtTotOT,  &tot.txtTotNet,   &tot.txtTotGross};
    sheet.setCellValue(rows.totals, 1, "TOTALS=");
    for (std::size_t k = 0; k < sums.size(); ++k) sheet.setCellValue(rows.totals, static_cast<int>(k) + 2, *sums[k]);

    sheet.setCellValue(rows.block1, 3, "SDI");
    sheet.setCellValue(rows.block1, 4, "SUI");
    sheet.setCellValue(rows.block1, 5, "Cafe");
    sheet.setCellValue(rows.block1, 6, "Tips");
    sheet.setCellValue(rows.block2, 3, tot.txtTotSdi);
    sheet.setCellValue(rows.block2, 4, tot.txtTotSui);
    sheet.setCellValue(rows.block2, 5, tot.txtTotCafe);
    sheet.setCellValue(rows.block2, 6, tot.txtTotTips);

    sheet.selectRow(2);
    sheet.freezePanes();
    sheet.selectCell(1, 1);

    sheet.setFont(1, 1, kColumns, true, kRed);
    sheet.setFont(rows.totals, 1, kColumns, true, kBlue);
    sheet.setFont(rows.block1, 1, rows.blockColumns, true, kRed);
    sheet.setFont(rows.block2, 1, rows.blockColumns, false, kBlue);
}

}  // namespace

std::filesystem::path ledgerWorkbookPath(const App& app) {
    return app.pathOf(app.UserFile.empty() ? std::string("Year To Date.xlsx") : app.UserFile + " Year To Date.xlsx");
}

void ToExcel(App& app, platform::Spreadsheet& sheet) {
    sheet.addWorkbook(ledgerWorkbookPath(app));
    sheet.setOrientation(platform::Orientation::Landscape);

    const EmployeeProfile& p = app.profile;
    const std::array<std::string, kColumns> header = {"Date",      "Federal",   "Soc Sec",   "Medicare",
                                                      "State",     "City",      p.DedName5,  p.DedName6,
                                                      p.DedName7,  p.DedName8,  p.DedName9,  "Kplan",
                                                      "Tips",      "OT",        "Net",       "Gross"};
    for (int c = 0; c < kColumns; ++c) sheet.setCellValue(1, c + 1, header[static_cast<std::size_t>(c)]);

    if (p.Weekly) fillRows(app, sheet, kWeeklyRows);
    if (p.BiWeekly) fillRows(app, sheet, kBiWeeklyRows);

    sheet.autoFitColumns();
    sheet.setVisible(true);
    sheet.setStatusBar("File: " + app.UserFile + "   " + p.EmpSsn + "   Year To Date");

    platform::PageSetup setup;
    setup.centerHeader = "";
    setup.leftFooter = app.UserFile + "    " + p.EmpSsn;
    setup.centerFooter = "Year To Date";
    setup.rightFooter = "Quorvane payroll";
    setup.zoom = false;
    setup.fitToPagesWide = 1;
    setup.fitToPagesTall = 1;
    setup.centerHorizontally = true;
    setup.centerVertically = false;
    sheet.applyPageSetup(setup);
    sheet.saveWorkbook();
}

std::string exportLedger(App& app) {
    platform::Spreadsheet* sheet = app.spreadsheet;
    if (!sheet) return std::string(kNoSpreadsheet);
    if (sheet->hasApplication()) {
        try { sheet->setVisible(false); } catch (const std::exception&) {}
        try { sheet->quit(); } catch (const std::exception&) {}
        sheet->release();
    }
    try {
        sheet->createApplication();
        ToExcel(app, *sheet);
    } catch (const std::exception& e) {
        return exportFailedMessage(ledgerWorkbookPath(app).filename().string(), e.what());
    }
    return {};
}

}  // namespace qv
