#include "ledger/pay_sheet_figures.h"

#include "paysheet/app.h"
#include "paysheet/form1.h"

namespace qv {

PaySheetFigures paySheetFigures(App& app) {
    Form1& sheet = app.form1();
    sheet.ensureLoaded();
    const PayPeriod& p = app.period;
    PaySheetFigures f;
    f.payDate = sheet.txtWeek;
    f.lines = sheet.lbTaxDed;
    f.TotalOt = p.TotalOt;
    f.TotalTips = p.TotalTips;
    f.GrossPay = p.GrossPay;
    f.NetPay = p.NetPay;
    f.sdi = sheet.lbSDI;
    f.sui = sheet.lbSUI;
    f.cafe = sheet.lbCafe;
    return f;
}

}  // namespace qv
