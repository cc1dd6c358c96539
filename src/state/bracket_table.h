// The one walk over a ten-row bracket table, shared by every method that
// looks a wage up in such a table (the generic state table, Wisconsin, Utah,
// North Carolina, the city tables).
//
// A row applies when its minimum is at most the wage and the next row's
// minimum is above it; the last row walked applies when its minimum is at
// most the wage. Every row is tested, so with minimums out of order several
// rows can apply: each is reported in turn and the caller's last write wins.
// Weekly pay halves every minimum and amount and keeps the rate; the halved
// minimum is a single before it is compared, as it is a single in the table.
//
// The methods differ only in what they do with the row that applies; that is
// the callback's part.
#pragma once

#include <array>
#include <string_view>

#include "common/numbers.h"

namespace qv {

struct StateTaxSettings;

// One column set of a bracket table: minimum, amount, rate of rows 0 to 9.
struct BracketColumns {
    const std::array<float, 10>& Min;
    const std::array<float, 10>& Amt;
    const std::array<float, 10>& Per;
};

// A row that applies, as the method sees it (halved for weekly pay).
struct BracketRow {
    int index;     // 0-based row
    bool top;      // the last row walked: it has no upper bound
    float min;     // the row's minimum (halved for weekly pay)
    float amount;  // the row's amount (halved for weekly pay)
    float rate;    // the row's rate, never halved
};

// The single table when `status` is exactly "Single", else the married one.
BracketColumns stateTableFor(const StateTaxSettings& s, std::string_view status);

// Walks rows 0 to rows-1 (rows is 1 to 10) and calls onRow(const BracketRow&)
// for every row that applies to `wage`, in row order.
template <class OnRow>
void walkBrackets(const BracketColumns& t, int rows, float wage, bool weekly, OnRow&& onRow) {
    if (rows < 1) return;
    if (rows > 10) rows = 10;
    auto minOf = [&](int i) { return weekly ? sgl(ext(t.Min[i]) / 2) : t.Min[i]; };
    auto amtOf = [&](int i) { return weekly ? sgl(ext(t.Amt[i]) / 2) : t.Amt[i]; };
    for (int i = 0; i < rows; ++i) {
        const float lo = minOf(i);
        const bool top = i == rows - 1;
        const bool applies = top ? (lo <= wage) : (lo <= wage && wage < minOf(i + 1));
        if (applies) onRow(BracketRow{i, top, lo, amtOf(i), t.Per[i]});
    }
}

// The usual row formula: (wage - minimum) x rate + amount, in extended precision.
inline long double excessTax(const BracketRow& r, float wage) {
    return (ext(wage) - ext(r.min)) * ext(r.rate) + ext(r.amount);
}

}  // namespace qv
