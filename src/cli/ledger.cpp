// quorvane-cli ledger: the current employee's year ledger - its rows and
// totals, with an optional row deletion or clearing saved as "&Close" with
// Yes saves it. Also the posting behind `calc --post`.
#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "cli/ledger_post.h"
#include "cli/report.h"
#include "cli/sheet_output.h"
#include "ledger/frm_year.h"
#include "ledger/frm_year_tot.h"
#include "ledger/mdi_form1.h"
#include "ledger/year_ledger.h"

namespace qv::cli {
namespace {

struct LedgerOptions {
    std::optional<int> deleteRow;
    bool clear = false;
    bool json = false;
};

LedgerOptions& opts() {
    static LedgerOptions o;
    return o;
}

// The grid's columns by record field name, in the grid's order.
struct GridColumn {
    const char* field;
    const char* heading;
    FrmYear::Column FrmYear::*cells;
};
const std::array<GridColumn, 16> kGrid = {{
    {"YrDate", "Date", &FrmYear::txtDate},     {"YrFed", "Federal", &FrmYear::txtFed},
    {"YrSS", "SS", &FrmYear::txtSS},           {"YrMedi", "Medi", &FrmYear::txtMedi},
    {"YrState", "State", &FrmYear::txtState},  {"YrCity", "City", &FrmYear::txtCity},
    {"YrMuni", "", &FrmYear::txtMuni},         {"YrBond", "", &FrmYear::txtBond},
    {"YrDues", "", &FrmYear::txtDues},         {"YrPen", "", &FrmYear::txtPen},
    {"YrMisc", "", &FrmYear::txtMisc},         {"YrKplan", "K-Plan", &FrmYear::txtKplan},
    {"YrTips", "Tips", &FrmYear::txtTips},     {"YrOT", "OT", &FrmYear::txtOT},
    {"YrNet", "Net", &FrmYear::txtNet},        {"YrGross", "Gross", &FrmYear::txtGross},
}};

struct TotalBox {
    const char* sum;
    std::string FrmYearTot::*box;
};
const std::array<TotalBox, 18> kTotals = {{
    {"TotFed", &FrmYearTot::txtTotFed},     {"TotSS", &FrmYearTot::txtTotSS},
    {"TotMedi", &FrmYearTot::txtTotMedi},   {"TotState", &FrmYearTot::txtTotState},
    {"TotCity", &FrmYearTot::txtTotCity},   {"TotMuni", &FrmYearTot::txtTotMuni},
    {"TotBond", &FrmYearTot::txtTotBond},   {"TotDues", &FrmYearTot::txtTotDues},
    {"TotPen", &FrmYearTot::txtTotPen},     {"TotMisc", &FrmYearTot::txtTotMisc},
    {"TotKplan", &FrmYearTot::txtTotKplan}, {"TotTips", &FrmYearTot::txtTotTips},
    {"TotOT", &FrmYearTot::txtTotOT},       {"TotNet", &FrmYearTot::txtTotNet},
    {"TotGross", &FrmYearTot::txtTotGross}, {"TotSdi", &FrmYearTot::txtTotSdi},
    {"TotSui", &FrmYearTot::txtTotSui},     {"TotCafe", &FrmYearTot::txtTotCafe},
}};

void printJson(App& app) {
    FrmYear& grid = app.frmYear();
    FrmYearTot& tot = app.frmYearTot();
    nlohmann::ordered_json out;
    out["rows"] = nlohmann::ordered_json::array();
    const int n = activeSlots(app.profile.Weekly);
    for (int i = 0; i < n; ++i) {
        nlohmann::ordered_json row;
        for (const auto& c : kGrid) row[c.field] = (grid.*c.cells)[static_cast<std::size_t>(i)];
        out["rows"].push_back(row);
    }
    nlohmann::ordered_json totals;
    for (const auto& t : kTotals) totals[t.sum] = tot.*t.box;
    out["totals"] = totals;
    std::cout << jsonText(std::move(out)) << "\n";
}

void printText(App& app) {
    FrmYear& grid = app.frmYear();
    FrmYearTot& tot = app.frmYearTot();
    constexpr int kWidth = 11;
    std::ostringstream line;
    line << std::left << std::setw(5) << "Week";
    for (std::size_t k = 0; k < kGrid.size(); ++k) {
        std::string heading = kGrid[k].heading;
        if (k >= 6 && k <= 10) heading = grid.lbHeading[k];
        line << std::setw(kWidth) << heading;
    }
    std::cout << line.str() << "\n";
    const int n = activeSlots(app.profile.Weekly);
    for (int i = 0; i < n; ++i) {
        std::ostringstream row;
        row << std::left << std::setw(5) << (i + 1);
        for (const auto& c : kGrid) row << std::setw(kWidth) << (grid.*c.cells)[static_cast<std::size_t>(i)];
        std::cout << row.str() << "\n";
    }
    std::ostringstream sums;
    sums << std::left << std::setw(5 + kWidth) << "TOTALS:";
    for (std::size_t k = 0; k < 15; ++k) sums << std::setw(kWidth) << tot.*kTotals[k].box;
    std::cout << sums.str() << "\n";
    std::cout << "SDI: " << tot.txtTotSdi << "   SUI: " << tot.txtTotSui << "   Cafeteria Plan: " << tot.txtTotCafe
              << "   Tips: " << tot.txtTotTips << "\n";
}

int run(Session& s) {
    const LedgerOptions& o = opts();
    App& app = *s.app;
    if (o.deleteRow) {
        if (std::string problem = postPeriodProblem(app.profile.Weekly, *o.deleteRow); !problem.empty()) {
            reportError("ledger", "--delete: " + problem);
            return kUsage;
        }
    }
    openYearLedger(app);
    const bool edit = o.deleteRow || o.clear;
    if (o.deleteRow) app.frmYear().DeleteRow(*o.deleteRow - 1);
    if (o.clear) app.frmYear().ClearAll();
    if (o.json) printJson(app);
    else printText(app);
    bool ok = true;
    if (edit) {
        s.ui.answerYes();
        ok = closeLedger(app);
    }
    reportMessages(s.ui);
    return ok ? kOk : kFailed;
}

Registrar registrar{Command{
    "ledger",
    "The year ledger's rows and totals; optionally delete a row or clear the year and save",
    [](CLI::App& sub) {
        LedgerOptions& o = opts();
        sub.add_option("--delete", o.deleteRow, "Delete the row of this period (1 to 53, 1 to 27 bi-weekly)");
        sub.add_flag("--clear", o.clear, "Clear every row of the year");
        sub.add_flag("--json", o.json, "Print the rows and totals as JSON");
    },
    [] {
        const LedgerOptions& o = opts();
        if (o.deleteRow && (*o.deleteRow < 1 || *o.deleteRow > kLedgerSlots))
            return std::string("--delete must be a period from 1 to 53.");
        return std::string();
    },
    run,
}};

}  // namespace

std::string postPeriodProblem(bool weekly, int period) {
    const int n = activeSlots(weekly);
    if (period >= 1 && period <= n) return {};
    return "the period must be from 1 to " + std::to_string(n) + (weekly ? "." : " for a bi-weekly employee.");
}

int postPeriodFromCli(Session& session, int period) {
    App& app = *session.app;
    if (std::string problem = postPeriodProblem(app.profile.Weekly, period); !problem.empty()) {
        reportError("calc", "--post: " + problem);
        return kUsage;
    }
    openYearLedger(app);
    app.frmYear().PasteMe(period - 1);
    session.ui.answerYes();
    return closeLedger(app) ? kOk : kFailed;
}

}  // namespace qv::cli
