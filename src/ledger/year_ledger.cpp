#include "ledger/year_ledger.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "common/format.h"
#include "common/messages.h"
#include "common/record_line.h"

namespace qv {
namespace {

// The columns of lines A to C after the date, in file order.
constexpr std::array<float LedgerRow::*, 14> kFileAmountsABC = {
    &LedgerRow::YrFed,  &LedgerRow::YrSS,   &LedgerRow::YrMedi,  &LedgerRow::YrState, &LedgerRow::YrCity,
    &LedgerRow::YrMuni, &LedgerRow::YrBond, &LedgerRow::YrDues,  &LedgerRow::YrPen,   &LedgerRow::YrMisc,
    &LedgerRow::YrKplan, &LedgerRow::YrOT,  &LedgerRow::YrGross, &LedgerRow::YrNet};
// Line D.
constexpr std::array<float LedgerRow::*, 4> kFileAmountsD = {&LedgerRow::YrSdi, &LedgerRow::YrSui,
                                                             &LedgerRow::YrCafe, &LedgerRow::YrTips};

// The currency columns and their sums.
constexpr std::array<float LedgerRow::*, 4> kCurrencyColumns = {&LedgerRow::YrOT, &LedgerRow::YrGross,
                                                                &LedgerRow::YrNet, &LedgerRow::YrTips};
constexpr std::array<Currency YearLedger::*, 4> kCurrencySums = {&YearLedger::TotOT, &YearLedger::TotGross,
                                                                 &YearLedger::TotNet, &YearLedger::TotTips};

// The largest amount a currency value holds.
constexpr long double kCurrencyLimit = 922337203685477.0L;

// A single partial sum keeps only the 7 significant digits it prints with, so
// a column of ten-cent amounts adds up to the nearest single of its decimal
// total instead of drifting.
bool addThroughText(float& sum, float value) {
    float s = sgl(ext(sum) + ext(value));
    if (!std::isfinite(s)) return false;
    // The same decimal as the file text (7 significant digits of the exact
    // binary value), without building the text.
    char buf[32];
    auto printed = std::to_chars(buf, buf + sizeof buf, s, std::chars_format::scientific, 6);
    std::from_chars(buf, printed.ptr, sum, std::chars_format::scientific);
    return true;
}

bool addCurrency(Currency& sum, float value) {
    auto v = Currency::checkedFromDouble(ext(value));
    auto next = v ? Currency::checkedAdd(sum, *v) : std::nullopt;
    if (!next || std::fabs(next->toLongDouble()) > kCurrencyLimit) return false;
    sum = *next;
    return true;
}

}  // namespace

bool recomputeYearSums(YearLedger& ledger, bool weekly) {
    for (auto s : kLineSums) ledger.*s = 0;
    for (auto s : kCurrencySums) ledger.*s = Currency();
    const int n = activeSlots(weekly);
    for (int i = 0; i < n; ++i) {
        const LedgerRow& row = ledger.rows[static_cast<std::size_t>(i)];
        for (std::size_t k = 0; k < kLineColumns.size(); ++k)
            if (!addThroughText(ledger.*kLineSums[k], row.*kLineColumns[k])) return false;
        for (std::size_t k = 0; k < kCurrencyColumns.size(); ++k)
            if (!addCurrency(ledger.*kCurrencySums[k], row.*kCurrencyColumns[k])) return false;
    }
    return recomputeRowOnlySums(ledger);
}

bool recomputeRowOnlySums(YearLedger& ledger) {
    ledger.TotSdi = 0;
    ledger.TotSui = 0;
    ledger.TotCafe = 0;
    for (const LedgerRow& row : ledger.rows) {
        ledger.TotSdi = sgl(ext(ledger.TotSdi) + ext(row.YrSdi));
        ledger.TotSui = sgl(ext(ledger.TotSui) + ext(row.YrSui));
        ledger.TotCafe = sgl(ext(ledger.TotCafe) + ext(row.YrCafe));
    }
    return std::isfinite(ledger.TotSdi) && std::isfinite(ledger.TotSui) && std::isfinite(ledger.TotCafe);
}

std::string yearLedgerFileText(const YearLedger& ledger, bool weekly, const LedgerCellText& cells) {
    RecordWriter w;
    const int n = activeSlots(weekly);
    for (int i = 0; i < n; ++i) {
        const LedgerRow& row = ledger.rows[static_cast<std::size_t>(i)];
        auto amount = [&](float LedgerRow::*field) {
            if (cells) w.num(valueOf(cells(i, field)));
            else w.num(row.*field);
        };
        w.text(row.YrDate);
        for (std::size_t k = 0; k < kFileAmountsABC.size(); ++k) {
            if (k == 4 || k == 9) w.endLine();
            amount(kFileAmountsABC[k]);
        }
        w.endLine();
        for (auto f : kFileAmountsD) w.num(row.*f);
        w.endLine();
    }
    w.num(ledger.TotFed).num(ledger.TotSS).num(ledger.TotMedi).num(ledger.TotState).num(ledger.TotCity).endLine();
    w.num(ledger.TotMuni).num(ledger.TotBond).num(ledger.TotDues).num(ledger.TotPen).num(ledger.TotMisc).endLine();
    w.num(ledger.TotKplan).num(ledger.TotOT).num(ledger.TotGross).num(ledger.TotNet).num(ledger.TotTips).endLine();
    return w.str();
}

void readYearLedgerText(std::string_view content, const std::string& fileName, bool weekly, YearLedger& ledger) {
    const int n = activeSlots(weekly);
    LineLayout layout = repeatLayout({5, 5, 5, 4}, n);
    layout.insert(layout.end(), {5, 5, 5});
    RecordReader r(content, fileName, layout);
    YearLedger read = ledger;
    for (int i = 0; i < n; ++i) {
        LedgerRow& row = read.rows[static_cast<std::size_t>(i)];
        row.YrDate = r.text();
        for (auto f : kFileAmountsABC) row.*f = r.single();
        for (auto f : kFileAmountsD) row.*f = r.single();
    }
    read.TotFed = r.single();
    read.TotSS = r.single();
    read.TotMedi = r.single();
    read.TotState = r.single();
    read.TotCity = r.single();
    read.TotMuni = r.single();
    read.TotBond = r.single();
    read.TotDues = r.single();
    read.TotPen = r.single();
    read.TotMisc = r.single();
    read.TotKplan = r.single();
    read.TotOT = r.currency();
    read.TotGross = r.currency();
    read.TotNet = r.currency();
    read.TotTips = r.currency();
    ledger = std::move(read);
}

}  // namespace qv
