#include "printing/check_print.h"

#include "common/format.h"
#include "ledger/mdi_form1.h"
#include "paysheet/app.h"
#include "printing/dlg_print_set.h"
#include "printing/frm_checks.h"

namespace qv {

namespace {

std::string rate(float v) { return formatNumber(v, kFmtRate); }
std::string amount(float v) { return formatNumber(v, kFmtLedger); }
std::string amount(Currency v) { return formatNumber(v, kFmtLedger); }
std::string hours(const std::string& box) { return printedAmount(box, kFmtRate); }
std::string shown(const std::string& text) { return printedAmount(text, kFmtLedger); }

struct EarningRow {
    std::string label, rate, hours, amount;
};
struct TaxRow {
    std::string label, current;
    std::string sum;
};

void printStubCopy(platform::Printer& pr, const CheckFace& face, const StubData& d, int h, int blankBeforeSummary) {
    const EmployeeProfile& p = d.profile;
    const PayPeriod& pp = d.period;
    const PaySheetShown& s = d.sheet;
    const StubFigures& f = d.figures;
    const YearToDate& y = d.ytd;

    pr.printAt(h + 5, face.payTo);
    pr.printAt(h + 45, face.ssn);
    pr.printAt(h + 65, "For Week Ending: " + s.txtWeek);
    pr.printAt(h + 125, face.date);
    pr.endLine();
    pr.printAt(h + 5, "Description");
    pr.printAt(h + 30, "Rate");
    pr.printAt(h + 45, "Hours");
    pr.printAt(h + 55, "Earnings");
    pr.printAt(h + 65, "Taxes/Deduct");
    pr.printAt(h + 102, "Current");
    pr.printAt(h + 125, "YTD");
    pr.printAt(h + 5, std::string(198, '-'));
    pr.endLine();

    const EarningRow earnings[] = {
        {"Regular1 Earning", rate(p.HourRate), hours(s.txtAmount[0]), amount(pp.StrPay)},
        {"Regular2 Earning", rate(p.HourRate2), hours(s.txtAmount[1]), amount(pp.StrPay2)},
        {"O.T. 1x / 2x Earned", rate(f.ot12Rate), hours(s.txtAmount[2]), amount(f.ot12Pay)},
        {"O.T. 1.5x Earned", rate(f.ot15Rate), hours(s.txtAmount[3]), amount(f.ot15Pay)},
        {"Holiday", rate(p.HourRate), hours(s.txtAmount[4]), amount(f.holidayPay)},
        {"Vacation/Sick", rate(p.HourRate), hours(s.txtAmount[5]), amount(f.vacationPay)},
        {"Adjustment", hours(s.txtAmount[6]), "", amount(pp.Addit)},
        {"Tips", rate(p.TipsRate), rate(pp.TipsHrs), amount(pp.MyTips)},
    };
    const TaxRow taxes[] = {
        {"Federal Tax", s.lbTaxDed[0], amount(y.TotFed)},
        {"Social Security Tax", s.lbTaxDed[1], amount(y.TotSS)},
        {"Medicare Tax", s.lbTaxDed[2], amount(y.TotMedi)},
        {"State Tax", s.lbTaxDed[3], amount(y.TotState)},
        {"City Tax", s.lbTaxDed[4], amount(y.TotCity)},
        {"State Disability Ins", s.lbSDI, amount(y.TotSdi)},
        {"State Unemployment Ins", s.lbSUI, amount(y.TotSui)},
        {p.DedName5, s.lbTaxDed[5], amount(y.TotMuni)},
        {p.DedName6, s.lbTaxDed[6], amount(y.TotBond)},
        {p.DedName7, s.lbTaxDed[7], amount(y.TotDues)},
        {p.DedName8, s.lbTaxDed[8], amount(y.TotPen)},
        {p.DedName9, s.lbTaxDed[9], amount(y.TotMisc)},
        {"K-Plan", s.lbTaxDed[10], amount(y.TotKplan)},
        {"Cafeteria Plan", s.lbCafe, amount(y.TotCafe)},
    };
    constexpr std::size_t kEarningRows = std::size(earnings);
    for (std::size_t row = 0; row < std::size(taxes); ++row) {
        if (row < kEarningRows) {
            const EarningRow& e = earnings[row];
            pr.printAt(h + 5, e.label);
            pr.printAt(h + 30, e.rate);
            pr.printAt(h + 45, e.hours);
            pr.printAt(h + 55, e.amount);
        }
        const TaxRow& t = taxes[row];
        pr.printAt(h + 65, t.label);
        pr.printAt(h + 102, shown(t.current));
        pr.printAt(h + 125, t.sum);
        pr.endLine();
    }
    for (int i = 0; i < blankBeforeSummary; ++i) pr.endLine();

    pr.printAt(h + 30, "Earnings");
    pr.printAt(h + 50, "Taxes");
    pr.printAt(h + 65, "Deductions");
    pr.printAt(h + 85, "Net Pay");
    pr.endLine();
    pr.printAt(h + 5, "Current");
    pr.printAt(h + 30, shown(s.gross));
    pr.printAt(h + 50, shown(s.lbTaxes));
    pr.printAt(h + 65, shown(s.lbDeduct));
    pr.printAt(h + 85, shown(s.lbNet));
    pr.printAt(h + 5, "YTD");
    pr.printAt(h + 30, shown(y.grossBox));
    pr.printAt(h + 50, amount(f.ytdTaxes));
    pr.printAt(h + 65, amount(f.ytdDeductions));
    pr.printAt(h + 85, shown(y.netBox));
    // The YTD line is ended by whatever follows it.
}

}  // namespace

void printCheckLayout(platform::Printer& pr, const CheckFace& face, const StubData& d, int h, int vert) {
    // Portrait, whatever a ledger print left set.
    pr.setLandscape(false);
    pr.setFontName("Arial");
    pr.setFontSize(11);
    for (int i = 0; i < vert + 1; ++i) pr.endLine();
    pr.printAt(h + 107, face.date);
    pr.endLine();
    pr.endLine();
    pr.endLine();
    pr.printAt(h + 15, face.payTo);
    pr.printAt(h + 102, face.amount);
    pr.endLine();
    pr.endLine();
    pr.printAt(h + 5, "*****" + face.words + "*****");
    pr.endLine();
    pr.endLine();
    pr.printAt(h + 15, face.name);
    pr.printAt(h + 75, face.ssn);
    pr.endLine();
    pr.printAt(h + 15, face.address);
    pr.endLine();
    pr.printAt(h + 15, face.cityStateZip);
    pr.endLine();
    pr.endLine();
    pr.printAt(h + 10, face.memo);
    pr.endLine();

    pr.setFontSize(8);
    for (int i = 0; i < 10; ++i) pr.endLine();
    printStubCopy(pr, face, d, h, 2);
    for (int i = 0; i < 7; ++i) pr.endLine();
    printStubCopy(pr, face, d, h, 1);
}

bool PrintCheck(App& app) {
    // The ledger frame is loaded (hidden) so the year's figures are current.
    MDIForm1& ledgerFrame = app.mdiForm1();
    ledgerFrame.ensureLoaded();
    ledgerFrame.hide();
    fillEmptyAmountBoxes(app);

    DlgPrintSet& offsets = app.dlgPrintSet();
    offsets.ensureLoaded();
    offsets.PrintHorz = offsetChoice(offsets.cboHorz);
    offsets.PrintVert = offsetChoice(offsets.cboVert) + 3;

    if (app.printer == nullptr) {
        app.ui().message(kNoPrinterMessage);
        return false;
    }
    auto data = gatherStubData(app);
    if (!data) return false;

    FrmChecks& c = app.frmChecks();
    const CheckFace face{c.txtCheckDate, c.txtPayTo,       c.txtCheckAmt,  c.CheckWords, c.txtUserName,
                         c.txtUserSSnum, c.txtUserAddress, c.txtUserState, c.txtMemo};
    printCheckLayout(*app.printer, face, *data, offsets.PrintHorz, offsets.PrintVert);
    app.printer->endDocument();
    return true;
}

}  // namespace qv
