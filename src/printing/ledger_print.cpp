#include "printing/ledger_print.h"

#include <array>

#include "common/date.h"
#include "common/format.h"
#include "common/messages.h"
#include "ledger/year_ledger.h"
#include "paysheet/app.h"
#include "printing/print_sources.h"

namespace qv {

namespace {

// The columns of the heading line, the period lines and the totals line.
constexpr std::array<int, 16> kColumns = {5, 17, 30, 43, 56, 69, 82, 95, 108, 121, 134, 145, 156, 172, 182, 197};

}  // namespace

std::string ledgerPrintNumber(float v) {
    const std::string text = fileNumber(v);
    return (v < 0 ? "" : " ") + text + " ";
}

void PrintYr(App& app) {
    if (app.printer == nullptr) {
        app.ui().message(kNoPrinterMessage);
        return;
    }
    platform::Printer& pr = *app.printer;
    const YearLedger& l = app.ledger;
    const EmployeeProfile& p = app.profile;
    const PrintHeading& h = app.heading;

    // Columns up to 197 and a 291-character rule in an 8-point font need the
    // paper across.
    pr.setLandscape(true);
    pr.setFontName("Arial");
    pr.setFontSize(10);
    pr.print(h.HeadCompany);
    pr.endLine();
    pr.print(h.HeadAddress);
    pr.endLine();
    pr.print(h.HeadZip);
    pr.printAt(134, h.HeadIdNumber);
    pr.endLine();
    pr.setFontSize(9);
    pr.print("Employee:");
    pr.printAt(17, app.UserFile);
    pr.printAt(145, shortDate(app.clock().today()));
    pr.endLine();

    pr.setFontSize(8);
    const std::array<std::string, 16> headings = {
        "Week", "Federal", "SS", "MediCare", "State", "City", p.DedName5, p.DedName6,
        p.DedName7, p.DedName8, p.DedName9, "KPlan", "Tips", "OT", "Net", "Gross"};
    for (std::size_t i = 0; i < headings.size(); ++i) pr.printAt(kColumns[i], headings[i]);
    pr.endLine();

    const int slots = activeSlots(p.Weekly);
    for (int i = 0; i < slots; ++i) {
        const LedgerRow& r = l.rows[static_cast<std::size_t>(i)];
        const std::array<float, 15> amounts = {r.YrFed,  r.YrSS,   r.YrMedi, r.YrState, r.YrCity,
                                               r.YrMuni, r.YrBond, r.YrDues, r.YrPen,   r.YrMisc,
                                               r.YrKplan, r.YrTips, r.YrOT,  r.YrNet,   r.YrGross};
        pr.printAt(kColumns[0], r.YrDate);
        for (std::size_t c = 0; c < amounts.size(); ++c) pr.printAt(kColumns[c + 1], ledgerPrintNumber(amounts[c]));
        pr.endLine();
    }
    pr.printAt(5, std::string(291, '-'));
    pr.endLine();

    auto sum = [](auto v) { return formatNumber(v, kFmtLedger); };
    const std::array<std::string, 15> totals = {
        sum(l.TotFed),  sum(l.TotSS),   sum(l.TotMedi), sum(l.TotState), sum(l.TotCity),
        sum(l.TotMuni), sum(l.TotBond), sum(l.TotDues), sum(l.TotPen),   sum(l.TotMisc),
        sum(l.TotKplan), sum(l.TotTips), sum(l.TotOT),  sum(l.TotNet),   sum(l.TotGross)};
    pr.printAt(5, "TOTALS");
    for (std::size_t c = 0; c < totals.size(); ++c) pr.printAt(kColumns[c + 1], totals[c]);
    pr.endLine();
    pr.printAt(56, "Total Tips: " + sum(l.TotTips));
    pr.printAt(95, "Total SDI: " + sum(l.TotSdi));
    pr.printAt(121, "Total SUI: " + sum(l.TotSui));
    pr.printAt(145, "Total Cafeteria: " + sum(l.TotCafe));
    pr.endLine();
    pr.endLine();
    pr.endDocument();
}

}  // namespace qv
