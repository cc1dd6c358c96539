#include "ledger/pay_sheet_figures.h"

#include "common/format.h"
#include "paysheet/app.h"

namespace qv {

// The pay sheet shows each amount of the period formatted "#,###.00".
PaySheetFigures paySheetFigures(App& app) {
    const PayPeriod& p = app.period;
    const EmployeeProfile& e = app.profile;
    PaySheetFigures f;
    f.lines = {formatNumber(p.FedTax, kFmtAmount),     formatNumber(p.SocSec, kFmtAmount),
               formatNumber(p.Medicare, kFmtAmount),   p.StateTax.format(kFmtAmount),
               p.LocalTax.format(kFmtAmount),          formatNumber(e.CrUnion, kFmtAmount),
               formatNumber(e.Bond, kFmtAmount),       formatNumber(e.Dues, kFmtAmount),
               formatNumber(p.PensionAmt, kFmtAmount), formatNumber(e.HealthIns, kFmtAmount),
               formatNumber(p.KPlanAmt, kFmtAmount)};
    f.TotalOt = p.TotalOt;
    f.TotalTips = p.TotalTips;
    f.GrossPay = p.GrossPay;
    f.NetPay = p.NetPay;
    f.sdi = formatNumber(p.SdiAmt, kFmtAmount);
    f.sui = formatNumber(p.SuiAmt, kFmtAmount);
    f.cafe = formatNumber(p.CafeAmt, kFmtAmount);
    return f;
}

}  // namespace qv
