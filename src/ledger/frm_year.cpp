#include "ledger/frm_year.h"

#include <cfloat>
#include <charconv>
#include <cmath>

#include "common/format.h"
#include "common/key_filter.h"
#include "ledger/frm_year_tot.h"
#include "ledger/mdi_form1.h"
#include "ledger/year_files.h"
#include "paysheet/app.h"
#include "platform/spreadsheet.h"

namespace qv {

FrmYear& App::frmYear() { return formIn(frmYear_); }

namespace {

constexpr std::array<const char*, 16> kHeadings = {"Week", "Federal", "SS",      "Medi", "State", "City",
                                                   "MCU",  "Bond",    "Dues",    "Pension", "H.I.", "K-Plan",
                                                   "Tips", "OT",      "Net",     "Gross"};
constexpr int kFirstDedHeading = 6;

// Every amount column of the record with a cell on the grid.
constexpr std::array<float LedgerRow::*, 15> kCellColumns = {
    &LedgerRow::YrFed,  &LedgerRow::YrSS,   &LedgerRow::YrMedi,  &LedgerRow::YrState, &LedgerRow::YrCity,
    &LedgerRow::YrMuni, &LedgerRow::YrBond, &LedgerRow::YrDues,  &LedgerRow::YrPen,   &LedgerRow::YrMisc,
    &LedgerRow::YrKplan, &LedgerRow::YrOT,  &LedgerRow::YrTips,  &LedgerRow::YrGross, &LedgerRow::YrNet};

// A number typed into a box may be beyond the range of a single; it then
// becomes an infinity, which the recomputation reports, rather than an
// undefined conversion.
float toSingle(double v) {
    if (auto f = singleOf(v)) return *f;
    if (std::isnan(v)) return 0;
    return v > 0 ? INFINITY : -INFINITY;
}

// The value of a cell. Cells nearly always hold plain amount text such as
// "1234.50" or "0"; those are read directly (the same correctly rounded
// number), anything else goes through the general reading of a box.
double cellValue(const std::string& text) {
    const char* b = text.data();
    const char* e = b + text.size();
    const char* p = b;
    if (p != e && *p == '-') ++p;
    bool digits = false, point = false;
    for (; p != e; ++p) {
        if (*p >= '0' && *p <= '9') digits = true;
        else if (*p == '.' && !point) point = true;
        else return valueOf(text);
    }
    if (!digits) return valueOf(text);
    double v = 0;
    auto r = std::from_chars(b, e, v);
    if (r.ec != std::errc() || r.ptr != e) return valueOf(text);
    return v;
}

// A pay-sheet amount text in the ledger's form; a text that is no number is
// kept as it is.
std::string ledgerText(const std::string& shown) {
    auto v = convertNumber(shown);
    if (!v) return shown;
    return formatNumber(*v, kFmtLedger);
}

// The SDI, SUI and cafeteria labels carry thousands separators: the whole
// amount counts, rounded to cents.
float shownAmount(const std::string& shown) {
    auto v = convertNumber(shown);
    double amount = v ? *v : valueOf(shown);
    return toSingle(valueOf(formatNumber(amount, kFmtLedger)));
}

}  // namespace

FrmYear::FrmYear(App& app) : Form(app) {
    for (int i = 0; i < kLedgerSlots; ++i) Label2[static_cast<std::size_t>(i)] = std::to_string(i + 1);
    for (std::size_t k = 0; k < kHeadings.size(); ++k) {
        lbHeading[k] = kHeadings[k];
        lbHeading2[k] = kHeadings[k];
    }
    lbHint = "Click on a week number to paste in data.";
    lbCaption = "LEFT CLICK ON WEEK NUMBER TO PASTE IN DATA.     RIGHT CLICK TO DELETE ROW";
    cmdBack = "&Close";
}

std::span<const Control> FrmYear::controls() {
    using D = FrmYear;
    static constexpr Control kTable[] = {
        control<&D::lbHeading>("lbHeading"),
        control<&D::lbHeading2>("lbHeading2"),
        control<&D::lbHint>("lbHint"),
        control<&D::Label2>("Label2"),
        control<&D::txtDate>("txtDate"),
        control<&D::txtFed>("txtFed"),
        control<&D::txtSS>("txtSS"),
        control<&D::txtMedi>("txtMedi"),
        control<&D::txtState>("txtState"),
        control<&D::txtCity>("txtCity"),
        control<&D::txtMuni>("txtMuni"),
        control<&D::txtBond>("txtBond"),
        control<&D::txtDues>("txtDues"),
        control<&D::txtPen>("txtPen"),
        control<&D::txtMisc>("txtMisc"),
        control<&D::txtKplan>("txtKplan"),
        control<&D::txtTips>("txtTips"),
        control<&D::txtOT>("txtOT"),
        control<&D::txtNet>("txtNet").onKeyPress<&D::txtNet_KeyPress>(),
        control<&D::txtGross>("txtGross").onKeyPress<&D::txtGross_KeyPress>(),
        control<&D::lbCaption>("lbCaption"),
        control<&D::cmdBack>("cmdBack").onClick<&D::cmdBack_Click>(),
    };
    return kTable;
}

void FrmYear::resetControls() {
    resetToDesign(*this, app());
    Top = 0;
    Left = 0;
    Height = kWeeklyHeight;
    Width = kDesignedWidth;
}

int FrmYear::activeRows() const { return activeSlots(app().profile.Weekly); }

FrmYear::Column& FrmYear::cell(float LedgerRow::*field) {
    return const_cast<Column&>(static_cast<const FrmYear*>(this)->cell(field));
}

const FrmYear::Column& FrmYear::cell(float LedgerRow::*field) const {
    if (field == &LedgerRow::YrFed) return txtFed;
    if (field == &LedgerRow::YrSS) return txtSS;
    if (field == &LedgerRow::YrMedi) return txtMedi;
    if (field == &LedgerRow::YrState) return txtState;
    if (field == &LedgerRow::YrCity) return txtCity;
    if (field == &LedgerRow::YrMuni) return txtMuni;
    if (field == &LedgerRow::YrBond) return txtBond;
    if (field == &LedgerRow::YrDues) return txtDues;
    if (field == &LedgerRow::YrPen) return txtPen;
    if (field == &LedgerRow::YrMisc) return txtMisc;
    if (field == &LedgerRow::YrKplan) return txtKplan;
    if (field == &LedgerRow::YrOT) return txtOT;
    if (field == &LedgerRow::YrTips) return txtTips;
    if (field == &LedgerRow::YrGross) return txtGross;
    if (field == &LedgerRow::YrNet) return txtNet;
    throw std::logic_error("the ledger grid has no cell for this column");
}

void FrmYear::Form_Load() {
    Top = 0;
    Left = 0;
    Height = app().profile.Weekly ? kWeeklyHeight : kBiWeeklyLoadHeight;
    loadReadFile_ = LoadAnnual(app());
}

void FrmYear::showRecord() {
    const int n = activeRows();
    for (int i = 0; i < n; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const LedgerRow& row = app().ledger.rows[s];
        txtDate[s] = row.YrDate;
        for (auto f : kCellColumns) cell(f)[s] = plainNumber(row.*f);
    }
    const EmployeeProfile& p = app().profile;
    const std::array<const std::string*, 5> names = {&p.DedName5, &p.DedName6, &p.DedName7, &p.DedName8,
                                                     &p.DedName9};
    for (std::size_t k = 0; k < names.size(); ++k) {
        lbHeading[kFirstDedHeading + k] = *names[k];
        if (p.Weekly) lbHeading2[kFirstDedHeading + k] = *names[k];
    }
}

void FrmYear::Label2_MouseDown(int index, MouseButton button) {
    if (button == MouseButton::Left) PasteMe(index);
    else if (button == MouseButton::Right) DeleteRow(index);
}

void FrmYear::txtGross_KeyPress(int, char& KeyAscii) {
    if (!numericKeyAccepted(KeyAscii)) KeyAscii = 0;
}

void FrmYear::txtNet_KeyPress(int, char& KeyAscii) {
    if (!numericKeyAccepted(KeyAscii)) KeyAscii = 0;
}

void FrmYear::PasteMe(int i) { PasteMe(i, snapshotPaySheet(app())); }

void FrmYear::PasteMe(int i, const PaySheetSnapshot& sheet) {
    ensureLoaded();
    if (i < 0 || i >= activeRows()) return;
    const auto s = static_cast<std::size_t>(i);
    txtDate[s] = sheet.txtWeek;
    for (std::size_t k = 0; k < kLineColumns.size(); ++k) cell(kLineColumns[k])[s] = ledgerText(sheet.lbTaxDed[k]);
    txtOT[s] = formatNumber(sheet.TotalOt, kFmtLedger);
    txtTips[s] = formatNumber(sheet.TotalTips, kFmtLedger);
    txtGross[s] = formatNumber(sheet.GrossPay, kFmtLedger);
    txtNet[s] = formatNumber(sheet.NetPay, kFmtLedger);
    LedgerRow& row = app().ledger.rows[s];
    row.YrSdi = shownAmount(sheet.lbSDI);
    row.YrSui = shownAmount(sheet.lbSUI);
    row.YrCafe = shownAmount(sheet.lbCafe);
    Update();
    AddAnnual(app());
}

void FrmYear::DeleteRow(int i) {
    ensureLoaded();
    if (i < 0 || i >= activeRows()) return;
    const auto s = static_cast<std::size_t>(i);
    txtDate[s].clear();
    for (auto f : kCellColumns) cell(f)[s] = "0";
    LedgerRow& row = app().ledger.rows[s];
    row.YrSdi = 0;
    row.YrSui = 0;
    row.YrCafe = 0;
    Update();
    AddAnnual(app());
}

void FrmYear::ClearAll() { clearRows(activeRows()); }

void FrmYear::clearWholeYear() { clearRows(kLedgerSlots); }

void FrmYear::clearRows(int n) {
    ensureLoaded();
    YearLedger& ledger = app().ledger;
    for (int i = 0; i < n; ++i) {
        const auto s = static_cast<std::size_t>(i);
        txtDate[s].clear();
        for (auto f : kCellColumns) cell(f)[s] = "0";
        // Rows past the active ones have no cells the update below copies.
        ledger.rows[s] = LedgerRow{};
    }
    ledger.TotSdi = 0;
    ledger.TotSui = 0;
    ledger.TotCafe = 0;
    ledger.TotTips = Currency();
    for (LedgerRow& row : ledger.rows) {
        row.YrSdi = 0;
        row.YrSui = 0;
        row.YrCafe = 0;
    }
    FrmYearTot& tot = app().frmYearTot();
    tot.ensureLoaded();
    tot.txtTotSdi = "0";
    tot.txtTotSui = "0";
    tot.txtTotCafe = "0";
    tot.txtTotTips = "0";
    Update();
    AddAnnual(app());
}

void FrmYear::Update() {
    ensureLoaded();
    YearLedger& ledger = app().ledger;
    const int n = activeRows();
    for (int i = 0; i < n; ++i) {
        const auto s = static_cast<std::size_t>(i);
        LedgerRow& row = ledger.rows[s];
        row.YrDate = txtDate[s];
        for (auto f : kCellColumns) row.*f = toSingle(cellValue(cell(f)[s]));
    }
    FrmYearTot& tot = app().frmYearTot();
    tot.ensureLoaded();
    const std::array<const std::string*, 11> boxes = {&tot.txtTotFed,  &tot.txtTotSS,   &tot.txtTotMedi,
                                                      &tot.txtTotState, &tot.txtTotCity, &tot.txtTotMuni,
                                                      &tot.txtTotBond, &tot.txtTotDues, &tot.txtTotPen,
                                                      &tot.txtTotMisc, &tot.txtTotKplan};
    for (std::size_t k = 0; k < boxes.size(); ++k) ledger.*kLineSums[k] = toSingle(valueOf(*boxes[k]));
    ledger.TotOT = Currency::fromDouble(valueOf(tot.txtTotOT));
    ledger.TotTips = Currency::fromDouble(valueOf(tot.txtTotTips));
    ledger.TotGross = Currency::fromDouble(valueOf(tot.txtTotGross));
    ledger.TotNet = Currency::fromDouble(valueOf(tot.txtTotNet));
}

void FrmYear::fillBoxes() {
    ensureLoaded();
    LoadAnnual(app());
    const int n = activeRows();
    for (int i = 0; i < n; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const LedgerRow& row = app().ledger.rows[s];
        txtDate[s] = row.YrDate;
        for (auto f : kCellColumns) cell(f)[s] = formatNumber(row.*f, kFmtLedger);
    }
}

void FrmYear::cmdBack_Click() { closeLedger(app()); }

void FrmYear::Form_Unload() {
    if (app().spreadsheet && app().spreadsheet->hasApplication()) app().spreadsheet->release();
    unload();
}

}  // namespace qv
