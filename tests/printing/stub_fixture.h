// One realistic pay period as the stub and the check print it, shared by the
// layout tests and the PDF tests.
#pragma once

#include "printing/check_print.h"
#include "printing/print_sources.h"

namespace qv::testing {

// One realistic week: 40 hours at 15.50 and 4 hours of time and a half, in
// the 49th week of the year.
inline StubData weekOfDecember() {
    StubData d;
    d.heading = {"Acme Widgets, Inc.", "100 Commerce Way", "Salem, OR 97301", "93-1234567"};
    d.userFile = "JSMITH";
    d.ssnBox = "123-45-6789";
    d.today = "12/7/2018";
    EmployeeProfile& p = d.profile;
    p.HourRate = 15.5f;
    p.CrUnion = 25;
    p.Dues = 12;
    p.DedName5 = "CrUnion";
    p.DedName6 = "Bond";
    p.DedName7 = "Dues";
    p.DedName8 = "Pension";
    p.DedName9 = "Health Ins";
    PayPeriod& pp = d.period;
    pp.PayRate = 15.5f;
    pp.StrHrs = 40;
    pp.OtHrs = 4;
    pp.StrPay = 620;
    pp.TotalOt = 93;
    pp.GrossPay = 713;
    pp.NetPay = 502.01f;
    PaySheetSnapshot& s = d.sheet;
    s.txtAmount = {"40", "0", "0", "4", "0", "0", "0", "0"};
    s.txtWeek = "12/7/2018";
    s.lbTaxDed = {"62.40", "44.21", "10.34", "28.52", "7.13", "25.00", ".00", "12.00", ".00", ".00", "21.39"};
    s.lbSDI = ".00";
    s.lbSUI = ".00";
    s.lbCafe = ".00";
    s.lbGross = "$713.00";
    s.lbTaxes = "$152.60";
    s.lbDeduct = "$58.39";
    s.lbNet = "$502.01";
    YearToDate& y = d.ytd;
    y.TotFed = 2995.2f;
    y.TotSS = 2122.08f;
    y.TotMedi = 496.32f;
    y.TotState = 1368.96f;
    y.TotCity = 342.24f;
    y.TotMuni = 1200;
    y.TotDues = 576;
    y.TotKplan = 1026.72f;
    y.TotOT = Currency::fromDouble(1395);
    y.TotGross = Currency::fromDouble(34224);
    y.TotNet = Currency::fromDouble(24096.48L);
    y.grossBox = "34224.00";
    y.netBox = "24096.48";
    d.figures = *computeStubFigures(p, pp, s, y, 7.5f);
    d.period.MyTips = d.figures.tipEarnings;
    return d;
}

inline CheckFace faceOf() {
    return CheckFace{"12/7/2018", "John Smith********", "***502.01",
                     " Five Hundred Two and 01/100", "John Smith", "123-45-6789", "12 Elm Street",
                     "Salem, OR 97301", "Week 49"};
}

}  // namespace qv::testing
