// What a posting takes from the pay sheet: the texts it shows and the
// period's overtime, tips, gross and net pay.
#pragma once

#include <array>
#include <string>

namespace qv {

class App;

struct PaySheetFigures {
    std::string payDate;                 // the pay-date box, as typed
    std::array<std::string, 11> lines;  // the tax and deduction lines 0 to 10 as shown
    float TotalOt = 0;
    float TotalTips = 0;
    float GrossPay = 0;
    float NetPay = 0;
    std::string sdi, sui, cafe;  // the SDI, SUI and cafeteria labels as shown
};

// The pay sheet's current figures.
PaySheetFigures paySheetFigures(App& app);

}  // namespace qv
