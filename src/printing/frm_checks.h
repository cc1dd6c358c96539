// "Check Printing": the check as it will print, refilled from the pay sheet
// whenever it is clicked or gets the focus. Its menu "Print" opens the
// printer offset dialog.
#pragma once

#include <string>

#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class FrmChecks : public Form {
public:
    explicit FrmChecks(App& app) : Form(app) {}

    static constexpr const char* kCaption = "Check Printing";

    // Every control of the window.
    static std::span<const Control> controls();

    std::string txtCheckDate;     // "DATE"
    std::string txtPayTo;         // "PAY TO THE ORDER OF"
    std::string txtCheckAmt;      // the figures
    std::string txtDollars;       // "DOLLARS"
    std::string txtUserName;
    std::string txtUserAddress;
    std::string txtUserState;     // city, state, zip
    std::string txtUserSSnum;
    std::string txtMemo;          // "MEMO"
    std::string txtCheckCompany;  // shown, never printed

    // The amount in words of the last fill; the check prints this, whatever
    // the words box holds.
    std::string CheckWords;

    void Form_Click();
    void Form_GotFocus();
    void mnuPrintCheck_Click();

protected:
    void Form_Load() override;
    void resetControls() override;

private:
    void refill();
};

}  // namespace qv
