#include "ledger/frm_year_tot.h"

#include "common/format.h"
#include "common/key_filter.h"
#include "ledger/frm_year.h"
#include "paysheet/app.h"

namespace qv {

FrmYearTot& App::frmYearTot() { return formIn(frmYearTot_); }

namespace {

constexpr std::array<const char*, 5> kDedHeadings = {"MCU", "Bond", "Dues", "Pension", "H.I."};

std::string plainCurrency(Currency c) { return plainNumber(c.toDouble()); }

}  // namespace

FrmYearTot::FrmYearTot(App& app) : Form(app) {
    for (std::size_t k = 0; k < kDedHeadings.size(); ++k) lbDedName[k] = kDedHeadings[k];
}

std::span<const Control> FrmYearTot::controls() {
    using D = FrmYearTot;
    static constexpr Control kTable[] = {
        control<&D::txtTotFed>("txtTotFed"),
        control<&D::txtTotSS>("txtTotSS"),
        control<&D::txtTotMedi>("txtTotMedi"),
        control<&D::txtTotState>("txtTotState"),
        control<&D::txtTotCity>("txtTotCity"),
        control<&D::txtTotMuni>("txtTotMuni"),
        control<&D::txtTotBond>("txtTotBond"),
        control<&D::txtTotDues>("txtTotDues"),
        control<&D::txtTotPen>("txtTotPen"),
        control<&D::txtTotMisc>("txtTotMisc"),
        control<&D::txtTotKplan>("txtTotKplan"),
        control<&D::txtTotOT>("txtTotOT"),
        control<&D::txtTotNet>("txtTotNet").onKeyPress<&D::txtTotNet_KeyPress>(),
        control<&D::txtTotGross>("txtTotGross").onKeyPress<&D::txtTotGross_KeyPress>(),
        control<&D::txtTotCafe>("txtTotCafe"),
        control<&D::txtTotSdi>("txtTotSdi"),
        control<&D::txtTotSui>("txtTotSui"),
        control<&D::txtTotTips>("txtTotTips"),
        control<&D::lbDedName>("lbDedName"),
    };
    return kTable;
}

void FrmYearTot::resetControls() {
    resetToDesign(*this, app());
    Top = 0;
    Left = 0;
}

void FrmYearTot::Form_Load() {
    Left = 0;
    FrmYear& grid = app().frmYear();
    grid.ensureLoaded();
    Top = grid.Top + grid.Height;
    const YearLedger& l = app().ledger;
    txtTotFed = plainNumber(l.TotFed);
    txtTotSS = plainNumber(l.TotSS);
    txtTotMedi = plainNumber(l.TotMedi);
    txtTotState = plainNumber(l.TotState);
    txtTotCity = plainNumber(l.TotCity);
    txtTotMuni = plainNumber(l.TotMuni);
    txtTotBond = plainNumber(l.TotBond);
    txtTotDues = plainNumber(l.TotDues);
    txtTotPen = plainNumber(l.TotPen);
    txtTotMisc = plainNumber(l.TotMisc);
    txtTotKplan = plainNumber(l.TotKplan);
    txtTotOT = plainCurrency(l.TotOT);
    txtTotNet = plainCurrency(l.TotNet);
    txtTotGross = plainCurrency(l.TotGross);
    txtTotTips = plainCurrency(l.TotTips);
    txtTotCafe = plainNumber(l.TotCafe);
    txtTotSdi = plainNumber(l.TotSdi);
    txtTotSui = plainNumber(l.TotSui);
    const EmployeeProfile& p = app().profile;
    lbDedName = {p.DedName5, p.DedName6, p.DedName7, p.DedName8, p.DedName9};
}

void FrmYearTot::showSums() {
    ensureLoaded();
    const YearLedger& l = app().ledger;
    txtTotFed = formatNumber(l.TotFed, kFmtLedger);
    txtTotSS = formatNumber(l.TotSS, kFmtLedger);
    txtTotMedi = formatNumber(l.TotMedi, kFmtLedger);
    txtTotState = formatNumber(l.TotState, kFmtLedger);
    txtTotCity = formatNumber(l.TotCity, kFmtLedger);
    txtTotMuni = formatNumber(l.TotMuni, kFmtLedger);
    txtTotBond = formatNumber(l.TotBond, kFmtLedger);
    txtTotDues = formatNumber(l.TotDues, kFmtLedger);
    txtTotPen = formatNumber(l.TotPen, kFmtLedger);
    txtTotMisc = formatNumber(l.TotMisc, kFmtLedger);
    txtTotKplan = formatNumber(l.TotKplan, kFmtLedger);
    txtTotOT = formatNumber(l.TotOT, kFmtLedger);
    txtTotGross = formatNumber(l.TotGross, kFmtLedger);
    txtTotNet = formatNumber(l.TotNet, kFmtLedger);
    txtTotTips = formatNumber(l.TotTips, kFmtLedger);
    txtTotSdi = formatNumber(l.TotSdi, kFmtLedger);
    txtTotSui = formatNumber(l.TotSui, kFmtLedger);
    txtTotCafe = formatNumber(l.TotCafe, kFmtLedger);
}

void FrmYearTot::txtTotGross_KeyPress(char& KeyAscii) {
    if (!numericKeyAccepted(KeyAscii)) KeyAscii = 0;
}

void FrmYearTot::txtTotNet_KeyPress(char& KeyAscii) {
    if (!numericKeyAccepted(KeyAscii)) KeyAscii = 0;
}

}  // namespace qv
