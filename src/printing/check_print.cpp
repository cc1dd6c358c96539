#include "printing/check_print.h"

#include "common/messages.h"
#include "ledger/mdi_form1.h"
#include "paysheet/app.h"
#include "printing/dlg_print_set.h"
#include "printing/frm_checks.h"
#include "printing/stub_rows.h"

namespace qv {

namespace {

// The check's stub copies list the tips last.
constexpr std::size_t kCheckEarningOrder[] = {earning::Regular1,   earning::Regular2, earning::Overtime12,
                                              earning::Overtime15, earning::Holiday,  earning::Vacation,
                                              earning::Adjustment, earning::Tips};

void printStubCopy(platform::Printer& pr, const CheckFace& face, const StubData& d, int h, int blankBeforeSummary) {
    const StubRows rows = stubRows(d);

    pr.printAt(h + 5, face.payTo);
    pr.printAt(h + 45, face.ssn);
    pr.printAt(h + 65, "For Week Ending: " + d.sheet.txtWeek);
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

    // The earnings run beside the first taxes and deductions.
    for (std::size_t row = 0; row < rows.deductions.size(); ++row) {
        if (row < std::size(kCheckEarningOrder)) {
            const EarningRow& e = rows.earnings[kCheckEarningOrder[row]];
            pr.printAt(h + 5, e.label);
            pr.printAt(h + 30, e.rate);
            pr.printAt(h + 45, e.hours);
            pr.printAt(h + 55, e.amount);
        }
        const DeductionRow& t = rows.deductions[row];
        pr.printAt(h + 65, t.label);
        pr.printAt(h + 102, t.current);
        pr.printAt(h + 125, t.ytd);
        pr.endLine();
    }
    for (int i = 0; i < blankBeforeSummary; ++i) pr.endLine();

    pr.printAt(h + 30, "Earnings");
    pr.printAt(h + 50, "Taxes");
    pr.printAt(h + 65, "Deductions");
    pr.printAt(h + 85, "Net Pay");
    pr.endLine();
    printSummaryLine(pr, h, "Current", rows.current);
    printSummaryLine(pr, h, "YTD", rows.ytd);
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
