#include "paysheet/pay_sheet_snapshot.h"

#include "paysheet/app.h"
#include "paysheet/form1.h"

namespace qv {

PaySheetSnapshot snapshotPaySheet(App& app) {
    Form1& f = app.form1();
    f.ensureLoaded();
    const PayPeriod& p = app.period;
    PaySheetSnapshot s;
    s.txtAmount = f.txtAmount;
    s.txtWeek = f.txtWeek;
    s.opt1x = f.opt1x;
    s.lbTaxDed = f.lbTaxDed;
    s.lbSDI = f.lbSDI;
    s.lbSUI = f.lbSUI;
    s.lbCafe = f.lbCafe;
    s.lbGross = f.lbGross;
    s.lbTaxes = f.lbTaxes;
    s.lbDeduct = f.lbDeduct;
    s.lbNet = f.lbNet;
    s.TotalOt = p.TotalOt;
    s.TotalTips = p.TotalTips;
    s.GrossPay = p.GrossPay;
    s.NetPay = p.NetPay;
    return s;
}

}  // namespace qv
