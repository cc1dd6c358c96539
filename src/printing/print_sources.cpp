#include "printing/print_sources.h"

#include <cmath>

#include "common/date.h"
#include "common/format.h"
#include "common/messages.h"
#include "ledger/year_files.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"
#include "ledger/frm_year_tot.h"
#include "ledger/year_ledger.h"
#include "employee/profile_files.h"
#include "printing/frm_checks.h"

namespace qv {

namespace {

bool finite(float v) { return std::isfinite(v); }

}  // namespace

void reloadEmployeeForPrint(App& app) {
    LoadProfile(app);
    LoadAnnual(app);
}

void fillEmptyAmountBoxes(App& app) {
    Form1& sheet = app.form1();
    sheet.ensureLoaded();
    for (auto& box : sheet.txtAmount)
        if (box.empty()) box = "0";
}

YearToDate readYearToDate(App& app) {
    const YearLedger& l = app.ledger;
    YearToDate y;
    y.TotFed = l.TotFed;
    y.TotSS = l.TotSS;
    y.TotMedi = l.TotMedi;
    y.TotState = l.TotState;
    y.TotCity = l.TotCity;
    y.TotMuni = l.TotMuni;
    y.TotBond = l.TotBond;
    y.TotDues = l.TotDues;
    y.TotPen = l.TotPen;
    y.TotMisc = l.TotMisc;
    y.TotKplan = l.TotKplan;
    y.TotSdi = l.TotSdi;
    y.TotSui = l.TotSui;
    y.TotCafe = l.TotCafe;
    y.TotOT = l.TotOT;
    y.TotGross = l.TotGross;
    y.TotNet = l.TotNet;
    y.TotTips = l.TotTips;
    // Gross and net come from the totals window as it shows them, which a
    // print's reload of the year file has just refreshed.
    FrmYearTot& totals = app.frmYearTot();
    totals.ensureLoaded();
    y.grossBox = totals.txtTotGross;
    y.netBox = totals.txtTotNet;
    return y;
}

std::optional<StubFigures> computeStubFigures(const EmployeeProfile& pr, const PayPeriod& p,
                                              const PaySheetSnapshot& sheet, const YearToDate& y, float defaultRate) {
    StubFigures f;
    // An employee without an hourly rate is paid the default rate; printing
    // his rate as .00 and his holiday pay as .00 would contradict the pay.
    f.rate1 = pr.HourRate == 0 ? defaultRate : pr.HourRate;
    f.holidayPay = sgl(ext(f.rate1) * ext(p.Avas));
    f.vacationPay = sgl(ext(p.VacDys) * ext(p.PayRate));
    f.ot12Rate = sgl(ext(p.PayRate) * (sheet.opt1x ? 1.0L : 2.0L));
    f.ot12Pay = sgl(static_cast<long double>(valueOf(sheet.txtAmount[2])) * ext(f.ot12Rate));
    f.ot15Rate = sgl(ext(p.PayRate) * 1.5L);
    f.ot15Pay = sgl(ext(p.OtHrs) * 1.5L * ext(p.PayRate));
    f.tipEarnings = sgl(ext(pr.TipsRate) * ext(p.TipsHrs));
    f.ytdTaxes = sgl(ext(y.TotSS) + ext(y.TotFed) + ext(y.TotMedi) + ext(y.TotState) + ext(y.TotCity) +
                     ext(y.TotSdi) + ext(y.TotSui) + ext(y.TotCafe));
    f.ytdDeductions = sgl(ext(y.TotMuni) + ext(y.TotPen) + ext(y.TotBond) + ext(y.TotDues) + ext(y.TotMisc) +
                          ext(y.TotKplan));
    for (float v : {f.rate1, f.holidayPay, f.vacationPay, f.ot12Rate, f.ot12Pay, f.ot15Rate, f.ot15Pay, f.tipEarnings,
                    f.ytdTaxes, f.ytdDeductions})
        if (!finite(v)) return std::nullopt;
    return f;
}

std::optional<StubData> gatherStubData(App& app) {
    StubData d;
    d.sheet = snapshotPaySheet(app);
    d.ytd = readYearToDate(app);
    auto figures = computeStubFigures(app.profile, app.period, d.sheet, d.ytd, app.DefaultRate);
    if (!figures) {
        app.ui().message(kStubAmountTooLarge);
        return std::nullopt;
    }
    d.figures = *figures;
    app.period.MyTips = d.figures.tipEarnings;
    FrmChecks& checks = app.frmChecks();
    checks.ensureLoaded();
    d.ssnBox = checks.txtUserSSnum;
    d.heading = app.heading;
    d.userFile = app.UserFile;
    d.today = shortDate(app.clock().today());
    d.profile = app.profile;
    d.period = app.period;
    return d;
}

std::string printedAmount(const std::string& shown, std::string_view fmt) {
    if (shown.empty()) return shown;
    auto v = convertNumber(shown);
    if (!v) return shown;
    return formatNumber(*v, fmt);
}

}  // namespace qv
