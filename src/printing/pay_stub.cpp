#include "printing/pay_stub.h"

#include "common/format.h"
#include "paysheet/app.h"

namespace qv {

namespace {

std::string rate(float v) { return formatNumber(v, kFmtRate); }
std::string amount(float v) { return formatNumber(v, kFmtLedger); }
std::string amount(Currency v) { return formatNumber(v, kFmtLedger); }
std::string hours(const std::string& box) { return printedAmount(box, kFmtRate); }
std::string shown(const std::string& text) { return printedAmount(text, kFmtLedger); }

void blank(platform::Printer& pr, int lines) {
    for (int i = 0; i < lines; ++i) pr.endLine();
}

}  // namespace

void printPayStubLayout(platform::Printer& pr, const StubData& d) {
    const EmployeeProfile& p = d.profile;
    const PayPeriod& pp = d.period;
    const PaySheetShown& s = d.sheet;
    const StubFigures& f = d.figures;
    const YearToDate& y = d.ytd;

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
    auto earning = [&](const char* label, const std::string& r, const std::string& h, const std::string& a) {
        pr.printAt(5, label);
        pr.printAt(30, r);
        pr.printAt(50, h);
        pr.printAt(65, a);
    };
    earning("Regular1 Earning", rate(p.HourRate), hours(s.txtAmount[0]), amount(pp.StrPay));
    pr.endLine();
    earning("Regular2 Earning", rate(p.HourRate2), hours(s.txtAmount[1]), amount(pp.StrPay2));
    pr.endLine();
    earning("O.T. 1x / 2x Earned", rate(f.ot12Rate), hours(s.txtAmount[2]), amount(f.ot12Pay));
    pr.endLine();
    earning("O.T. 1.5x Earned", rate(f.ot15Rate), hours(s.txtAmount[3]), amount(f.ot15Pay));
    pr.printAt(85, "YTD");
    pr.endLine();
    earning("Tips", rate(p.TipsRate), rate(pp.TipsHrs), amount(f.tipEarnings));
    pr.printAt(85, amount(y.TotTips));
    pr.endLine();
    earning("Holiday", rate(p.HourRate), hours(s.txtAmount[4]), amount(f.holidayPay));
    pr.endLine();
    earning("Vacation/Sick", rate(p.HourRate), hours(s.txtAmount[5]), amount(f.vacationPay));
    pr.endLine();
    earning("Adjustment", hours(s.txtAmount[6]), "", amount(pp.Addit));
    pr.endLine();
    blank(pr, 7);

    // Taxes and deductions, current and year to date.
    pr.printAt(65, "Taxes / Deductions");
    pr.printAt(100, "Current");
    pr.printAt(115, "YTD");
    pr.printAt(5, std::string(198, '-'));
    pr.endLine();
    auto taxLine = [&](const std::string& label, const std::string& current, float sum) {
        pr.printAt(65, label);
        pr.printAt(100, shown(current));
        pr.printAt(115, amount(sum));
        pr.endLine();
    };
    taxLine("Federal Tax", s.lbTaxDed[0], y.TotFed);
    taxLine("Social Security Tax", s.lbTaxDed[1], y.TotSS);
    taxLine("Medicare Tax", s.lbTaxDed[2], y.TotMedi);
    taxLine("State Tax", s.lbTaxDed[3], y.TotState);
    taxLine("City Tax", s.lbTaxDed[4], y.TotCity);
    taxLine("State Disability Ins", s.lbSDI, y.TotSdi);
    taxLine("State Unemployment Ins", s.lbSUI, y.TotSui);
    taxLine(p.DedName5, s.lbTaxDed[5], y.TotMuni);
    taxLine(p.DedName6, s.lbTaxDed[6], y.TotBond);
    taxLine(p.DedName7, s.lbTaxDed[7], y.TotDues);
    taxLine(p.DedName8, s.lbTaxDed[8], y.TotPen);
    taxLine(p.DedName9, s.lbTaxDed[9], y.TotMisc);
    taxLine("K-Plan", s.lbTaxDed[10], y.TotKplan);
    taxLine("Cafeteria Plan", s.lbCafe, y.TotCafe);
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
    pr.printAt(5, "Current");
    pr.printAt(30, shown(s.gross));
    pr.printAt(50, shown(s.lbTaxes));
    pr.printAt(65, shown(s.lbDeduct));
    pr.printAt(85, shown(s.lbNet));
    pr.printAt(5, "YTD");
    pr.printAt(30, shown(y.grossBox));
    pr.printAt(50, amount(f.ytdTaxes));
    pr.printAt(65, amount(f.ytdDeductions));
    pr.printAt(85, shown(y.netBox));
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
