// The year totals strip under the ledger grid: one box per year sum. The pay
// stub and the check take their YTD gross and net pay from txtTotGross and
// txtTotNet.
#pragma once

#include <array>
#include <string>

#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class FrmYearTot : public Form {
public:
    explicit FrmYearTot(App& app);

    // Every control of the window.
    static std::span<const Control> controls();

    int Top = 0;
    int Left = 0;

    std::string txtTotFed, txtTotSS, txtTotMedi, txtTotState, txtTotCity, txtTotMuni, txtTotBond, txtTotDues,
        txtTotPen, txtTotMisc, txtTotKplan, txtTotOT, txtTotNet, txtTotGross;
    std::string txtTotCafe, txtTotSdi, txtTotSui, txtTotTips;

    // Headings of the deduction boxes 5 to 9 ("MCU" ... "H.I." until named).
    std::array<std::string, 5> lbDedName;

    // The gross and net boxes take only numeric keys; a refused key becomes 0.
    void txtTotGross_KeyPress(char& KeyAscii);
    void txtTotNet_KeyPress(char& KeyAscii);

    // Every box <- its sum formatted "#####.00" (the end of a recomputation).
    void showSums();

protected:
    void Form_Load() override;
    void resetControls() override;
};

}  // namespace qv
