#include "printing/pay_stub.h"

#include "common/messages.h"
#include "paysheet/app.h"
#include "printing/stub_rows.h"

namespace qv {

namespace {

void blank(platform::Printer& pr, int lines) {
    for (int i = 0; i < lines; ++i) pr.endLine();
}

}  // namespace

void printPayStubLayout(platform::Printer& pr, const StubData& d) {
    const PaySheetSnapshot& s = d.sheet;
    const StubRows rows = stubRows(d);

    // Portrait, whatever a ledger print left set.
    pr.setLandscape(false);
    pr.setFontName("Arial");
    pr.setFontSize(11);
    blank(pr, 2);
    pr.print(d.heading.HeadCompany);
    pr.endLine();
    pr.print(d.heading.HeadAddress);
    pr.endLine();
    pr.print(d.heading.HeadZip);
    pr.printAt(85, d.heading.HeadIdNumber);
    pr.endLine();

    pr.setFontSize(10);
    pr.printAt(1, std::string(203, '-'));
    pr.endLine();
    pr.print("Employee:");
    pr.printAt(20, d.userFile);
    pr.printAt(50, d.ssnBox);
    pr.endLine();
    blank(pr, 1);
    pr.printAt(5, "Date:");
    pr.printAt(15, d.today);
    pr.printAt(85, "For Week Ending: " + s.txtWeek);
    pr.endLine();
    blank(pr, 1);
    pr.printAt(45, std::string(12, ' '));
    pr.printAt(65, std::string(13, ' ') + ".  .  ");
    pr.endLine();
    blank(pr, 5);

    // Earnings. The line after each heading breaks because its first item's
    // column lies behind the position.
    pr.printAt(5, "Description");
    pr.printAt(30, "Rate");
    pr.printAt(50, "Hours");
    pr.printAt(65, "Earnings");
    pr.printAt(5, std::string(198, '-'));
    pr.endLine();
    for (std::size_t i = 0; i < rows.earnings.size(); ++i) {
        const EarningRow& e = rows.earnings[i];
        pr.printAt(5, e.label);
        pr.printAt(30, e.rate);
        pr.printAt(50, e.hours);
        pr.printAt(65, e.amount);
        // The tips carry the year's sum, headed on the line above them.
        if (i == earning::Overtime15) pr.printAt(85, "YTD");
        if (i == earning::Tips) pr.printAt(85, rows.tipsYtd);
        pr.endLine();
    }
    blank(pr, 7);

    // Taxes and deductions, current and year to date.
    pr.printAt(65, "Taxes / Deductions");
    pr.printAt(100, "Current");
    pr.printAt(115, "YTD");
    pr.printAt(5, std::string(198, '-'));
    pr.endLine();
    for (const DeductionRow& t : rows.deductions) {
        pr.printAt(65, t.label);
        pr.printAt(100, t.current);
        pr.printAt(115, t.ytd);
        pr.endLine();
    }
    blank(pr, 5);

    // Summary of the period and the year.
    pr.printAt(30, "Earnings");
    pr.printAt(50, "Taxes");
    pr.printAt(65, "Deductions");
    pr.printAt(85, "Net Pay");
    pr.printAt(100, "Period Ending");
    pr.printAt(5, std::string(198, '-'));
    pr.endLine();
    blank(pr, 1);
    printSummaryLine(pr, 0, "Current", rows.current);
    printSummaryLine(pr, 0, "YTD", rows.ytd);
    pr.printAt(100, s.txtWeek);
    pr.printAt(5, std::string(198, '-'));
    pr.endLine();
}

bool PrintText(App& app) {
    reloadEmployeeForPrint(app);
    fillEmptyAmountBoxes(app);
    if (!app.ui().choosePrinter()) return false;
    if (app.printer == nullptr) {
        app.ui().message(kNoPrinterMessage);
        return false;
    }
    auto data = gatherStubData(app);
    if (!data) return false;
    LoadHeading(app);
    data->heading = app.heading;
    printPayStubLayout(*app.printer, *data);
    app.printer->endDocument();
    DialogHeader& header = app.dialogHeader();
    if (header.loaded) header.unload();
    return true;
}

void printPayStubCommand(App& app) {
    if (!app.ui().choosePrinter()) return;
    PrintText(app);
}

}  // namespace qv
