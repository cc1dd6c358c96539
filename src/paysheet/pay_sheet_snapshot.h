// The pay sheet as it stands at one moment: the boxes and result labels the
// user sees, and the period's figures behind them. The prints and the
// ledger's posting both read the pay sheet through this copy.
#pragma once

#include <array>
#include <string>

namespace qv {

class App;

struct PaySheetSnapshot {
    std::array<std::string, 8> txtAmount{};  // the amount boxes, as typed
    std::string txtWeek;                     // the pay date, as typed
    bool opt1x = true;
    std::array<std::string, 11> lbTaxDed{};  // tax and deduction lines 0 to 10 as shown
    std::string lbSDI, lbSUI, lbCafe;
    std::string lbGross, lbTaxes, lbDeduct, lbNet;
    // The period's figures, unrounded.
    float TotalOt = 0;
    float TotalTips = 0;
    float GrossPay = 0;
    float NetPay = 0;
};

// Copies what the pay sheet shows; loads the window first if need be.
PaySheetSnapshot snapshotPaySheet(App& app);

}  // namespace qv
