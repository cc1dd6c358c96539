#include "printing/stub_rows.h"

#include "common/format.h"

namespace qv {

namespace {

std::string rate(float v) { return formatNumber(v, kFmtRate); }
std::string amount(float v) { return formatNumber(v, kFmtLedger); }
std::string amount(Currency v) { return formatNumber(v, kFmtLedger); }
std::string hours(const std::string& box) { return printedAmount(box, kFmtRate); }
std::string shown(const std::string& text) { return printedAmount(text, kFmtLedger); }

}  // namespace

StubRows stubRows(const StubData& d) {
    const EmployeeProfile& p = d.profile;
    const PayPeriod& pp = d.period;
    const PaySheetSnapshot& s = d.sheet;
    const StubFigures& f = d.figures;
    const YearToDate& y = d.ytd;

    StubRows r;
    r.earnings = {{
        {"Regular1 Earning", rate(f.rate1), hours(s.txtAmount[0]), amount(pp.StrPay)},
        {"Regular2 Earning", rate(p.HourRate2), hours(s.txtAmount[1]), amount(pp.StrPay2)},
        {"O.T. 1x / 2x Earned", rate(f.ot12Rate), hours(s.txtAmount[2]), amount(f.ot12Pay)},
        {"O.T. 1.5x Earned", rate(f.ot15Rate), hours(s.txtAmount[3]), amount(f.ot15Pay)},
        {"Tips", rate(p.TipsRate), rate(pp.TipsHrs), amount(f.tipEarnings)},
        {"Holiday", rate(f.rate1), hours(s.txtAmount[4]), amount(f.holidayPay)},
        {"Vacation/Sick", rate(f.rate1), hours(s.txtAmount[5]), amount(f.vacationPay)},
        // The adjustment has no rate: its box's amount stands in the rate column.
        {"Adjustment", hours(s.txtAmount[6]), "", amount(pp.Addit)},
    }};
    r.tipsYtd = amount(y.TotTips);
    auto row = [](std::string label, const std::string& current, float sum) {
        return DeductionRow{std::move(label), shown(current), amount(sum)};
    };
    r.deductions = {{
        row("Federal Tax", s.lbTaxDed[0], y.TotFed),
        row("Social Security Tax", s.lbTaxDed[1], y.TotSS),
        row("Medicare Tax", s.lbTaxDed[2], y.TotMedi),
        row("State Tax", s.lbTaxDed[3], y.TotState),
        row("City Tax", s.lbTaxDed[4], y.TotCity),
        row("State Disability Ins", s.lbSDI, y.TotSdi),
        row("State Unemployment Ins", s.lbSUI, y.TotSui),
        row(p.DedName5, s.lbTaxDed[5], y.TotMuni),
        row(p.DedName6, s.lbTaxDed[6], y.TotBond),
        row(p.DedName7, s.lbTaxDed[7], y.TotDues),
        row(p.DedName8, s.lbTaxDed[8], y.TotPen),
        row(p.DedName9, s.lbTaxDed[9], y.TotMisc),
        row("K-Plan", s.lbTaxDed[10], y.TotKplan),
        row("Cafeteria Plan", s.lbCafe, y.TotCafe),
    }};
    r.current = {shown(s.lbGross), shown(s.lbTaxes), shown(s.lbDeduct), shown(s.lbNet)};
    r.ytd = {shown(y.grossBox), amount(f.ytdTaxes), amount(f.ytdDeductions), shown(y.netBox)};
    return r;
}

void printSummaryLine(platform::Printer& pr, int h, const char* label, const SummaryRow& row) {
    pr.printAt(h + 5, label);
    pr.printAt(h + 30, row.earnings);
    pr.printAt(h + 50, row.taxes);
    pr.printAt(h + 65, row.deductions);
    pr.printAt(h + 85, row.net);
}

}  // namespace qv
