// The year ledger: one row per pay period of the calendar year with the year
// sums beside it, and its file ".yrw" (weekly) / ".yrb" (bi-weekly).
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "common/numbers.h"

namespace qv {

// Row slots 0 to 52 exist whatever the frequency; slot i is period i + 1.
inline constexpr int kLedgerSlots = 53;
inline constexpr int kWeeklySlots = 53;
inline constexpr int kBiWeeklySlots = 27;

inline int activeSlots(bool weekly) { return weekly ? kWeeklySlots : kBiWeeklySlots; }

struct LedgerRow {
    std::string YrDate;  // the pay date as typed, not parsed
    float YrFed = 0;
    float YrSS = 0;
    float YrMedi = 0;
    float YrState = 0;
    float YrCity = 0;
    float YrMuni = 0;   // deduction line 5
    float YrBond = 0;   // deduction line 6
    float YrDues = 0;   // deduction line 7
    float YrPen = 0;    // deduction line 8
    float YrMisc = 0;   // deduction line 9
    float YrKplan = 0;
    float YrOT = 0;
    float YrTips = 0;
    float YrGross = 0;
    float YrNet = 0;
    // These three have no cell on the ledger screen; they live only here.
    float YrSdi = 0;
    float YrSui = 0;
    float YrCafe = 0;

    friend bool operator==(const LedgerRow&, const LedgerRow&) = default;
};

struct YearLedger {
    std::array<LedgerRow, kLedgerSlots> rows{};

    // Sums over the active slots.
    float TotFed = 0;
    float TotSS = 0;
    float TotMedi = 0;
    float TotState = 0;
    float TotCity = 0;
    float TotMuni = 0;
    float TotBond = 0;
    float TotDues = 0;
    float TotPen = 0;
    float TotMisc = 0;
    float TotKplan = 0;
    Currency TotOT;
    // The year's gross pay so far: the Social Security, SDI and SUI wage-base
    // tests of the next calculation read it.
    Currency TotGross;
    Currency TotNet;
    Currency TotTips;
    // Sums over all 53 slots whatever the frequency; never stored in the file.
    float TotSdi = 0;
    float TotSui = 0;
    float TotCafe = 0;

    friend bool operator==(const YearLedger&, const YearLedger&) = default;
};

// The eleven tax and deduction columns in pay-sheet line order 0 to 10.
inline constexpr std::array<float LedgerRow::*, 11> kLineColumns = {
    &LedgerRow::YrFed,  &LedgerRow::YrSS,   &LedgerRow::YrMedi, &LedgerRow::YrState,
    &LedgerRow::YrCity, &LedgerRow::YrMuni, &LedgerRow::YrBond, &LedgerRow::YrDues,
    &LedgerRow::YrPen,  &LedgerRow::YrMisc, &LedgerRow::YrKplan};
// Their sums in the same order.
inline constexpr std::array<float YearLedger::*, 11> kLineSums = {
    &YearLedger::TotFed,  &YearLedger::TotSS,   &YearLedger::TotMedi, &YearLedger::TotState,
    &YearLedger::TotCity, &YearLedger::TotMuni, &YearLedger::TotBond, &YearLedger::TotDues,
    &YearLedger::TotPen,  &YearLedger::TotMisc, &YearLedger::TotKplan};

// ---- The record alone (no windows) ------------------------------------------

// Recomputes every sum from the rows: the single sums with each partial sum
// rounded through its 7-digit text, the currency sums exactly, SDI/SUI/
// cafeteria over all 53 slots. Returns false when an amount is beyond the
// range of its sum's type; the sums not yet reached then stay as they were
// left (partial), as the program has always done.
bool recomputeYearSums(YearLedger& ledger, bool weekly);

// The SDI, SUI and cafeteria sums over all 53 slots, whatever the frequency:
// the year file does not carry them, so they are summed from its rows.
bool recomputeRowOnlySums(YearLedger& ledger);

// The text of a grid cell: (slot, column) -> the cell's text.
using LedgerCellText = std::function<const std::string&(int, float LedgerRow::*)>;

// The file's text for the active slots and the trailer. The amounts of lines
// A to C are the numbers the grid's cells show when `cells` is given (so a
// cell's two-decimal text reaches the file as typed), else the record's.
std::string yearLedgerFileText(const YearLedger& ledger, bool weekly, const LedgerCellText& cells = {});

// Reads a ledger file's text into `ledger` (active slots and the trailer);
// throws RecordReadError naming `fileName` when it is short or damaged, in
// which case `ledger` is not touched.
void readYearLedgerText(std::string_view content, const std::string& fileName, bool weekly, YearLedger& ledger);

// ---- File routines of the running program -------------------------------------

}  // namespace qv
