// The rows of a pay stub as printable texts. The pay stub and the check's two
// stub copies show the same rows, each laid out in its own columns.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "platform/printer.h"
#include "printing/print_sources.h"

namespace qv {

// Indices into StubRows::earnings, in the order the pay stub lists them.
namespace earning {
enum : std::size_t { Regular1, Regular2, Overtime12, Overtime15, Tips, Holiday, Vacation, Adjustment, Count };
}

struct EarningRow {
    std::string label, rate, hours, amount;
};

struct DeductionRow {
    std::string label, current, ytd;
};

// One line of the summary: the period's or the year's totals.
struct SummaryRow {
    std::string earnings, taxes, deductions, net;
};

struct StubRows {
    std::array<EarningRow, earning::Count> earnings;
    std::string tipsYtd;  // the year's tips, which the pay stub alone prints
    // Taxes first (federal to SUI), then the deductions, the cafeteria plan last.
    std::array<DeductionRow, 14> deductions;
    SummaryRow current, ytd;
};

StubRows stubRows(const StubData& d);

// The summary's "Current" or "YTD" line; both layouts put its figures in the
// same columns, shifted by `h`. The line is left open.
void printSummaryLine(platform::Printer& pr, int h, const char* label, const SummaryRow& row);

}  // namespace qv
