#include "printing/check_amount.h"

#include <cmath>

#include "paysheet/app.h"
#include "printing/amount_words.h"
#include "printing/frm_checks.h"

namespace qv {

std::string FillCheckWords(App& app) {
    FrmChecks& f = app.frmChecks();
    const EmployeeProfile& p = app.profile;
    f.txtPayTo = p.EmpName + "********";
    f.txtUserName = p.EmpName;
    f.txtUserAddress = p.EmpAddress;
    f.txtUserState = p.EmpCityStateZip;
    f.txtUserSSnum = p.EmpSsn;
    f.CheckWords = amountInWords(app.period.NetPay);
    f.txtDollars = f.CheckWords;
    return f.CheckWords;
}

std::string FillCheckFigures(App& app) {
    float& net = app.period.NetPay;
    if (std::isnan(net) || net < 0) net = 0;
    return checkFigures(net);
}

}  // namespace qv
