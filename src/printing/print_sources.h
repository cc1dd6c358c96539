// Everything the pay stub and the check print, gathered in one place from the
// pay sheet (its boxes and shown results), the profile, the year ledger and
// the totals window, plus the values worked out for the stub alone.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/numbers.h"
#include "paysheet/model.h"
#include "paysheet/pay_sheet_snapshot.h"
#include "printing/print_heading.h"

namespace qv {

class App;

// The year-to-date figures: the ledger's sums and the totals window's gross
// and net boxes (which the stub prints as the window shows them).
struct YearToDate {
    float TotFed = 0, TotSS = 0, TotMedi = 0, TotState = 0, TotCity = 0;
    float TotMuni = 0, TotBond = 0, TotDues = 0, TotPen = 0, TotMisc = 0, TotKplan = 0;
    float TotSdi = 0, TotSui = 0, TotCafe = 0;
    Currency TotOT, TotGross, TotNet, TotTips;
    std::string grossBox, netBox;
};

// Values worked out for the stub and the check alone.
struct StubFigures {
    // The rate of regular, holiday and vacation hours: the hourly rate, or
    // the default rate when the employee has none (as the calculation pays).
    float rate1 = 0;
    float holidayPay = 0;
    float vacationPay = 0;
    float ot12Rate = 0;
    float ot12Pay = 0;
    float ot15Rate = 0;
    float ot15Pay = 0;
    float tipEarnings = 0;
    float ytdTaxes = 0;
    float ytdDeductions = 0;
};

// All a stub or a check copy prints.
struct StubData {
    PrintHeading heading;
    std::string userFile;
    std::string ssnBox;  // the check window's social security box
    std::string today;   // system short date
    EmployeeProfile profile;
    PayPeriod period;
    PaySheetSnapshot sheet;
    YearToDate ytd;
    StubFigures figures;
};

// Reloads the profile and the year ledger from the employee's files, as
// every print does before it reads them.
void reloadEmployeeForPrint(App& app);
// Empty amount boxes of the pay sheet become "0".
void fillEmptyAmountBoxes(App& app);
YearToDate readYearToDate(App& app);

// The stub's own values; nothing when an amount overflows the single range.
std::optional<StubFigures> computeStubFigures(const EmployeeProfile& profile, const PayPeriod& period,
                                              const PaySheetSnapshot& sheet, const YearToDate& ytd,
                                              float defaultRate);

// Gathers everything from the App and sets `MyTips`. Nothing (and a message
// to the user) when the values cannot be worked out.
std::optional<StubData> gatherStubData(App& app);

// How amounts are printed: a text that is a number (also "$1,234.50") is
// reformatted with `fmt`; an empty text stays empty; any other text is
// printed as it is.
std::string printedAmount(const std::string& shown, std::string_view fmt);

}  // namespace qv
