// The pay sheet: the program's main window. The period's amount boxes, the
// results of the calculation, the pay date, the employee's name, and the
// commands that open every other window.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "paysheet/calculate.h"
#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class Form1 : public Form {
public:
    explicit Form1(App& app);

    static constexpr std::string_view kTitle = "VORNAXEL SOFTWARE";
    static constexpr std::string_view kUserLabel = "USER";
    static constexpr std::string_view kFederalTableLabel = "Federal Table: Cir E - Pub15";
    static constexpr std::string_view kWeeklyNotice = "Weekly Tax Tables";
    static constexpr std::string_view kBiWeeklyNotice = "Bi-Weekly Tax Tables";

    // Fixed captions of the window, for a view to show.
    static constexpr std::array<std::string_view, 8> kAmountCaptions = {
        "STRAIGHT TIME HOURS 1", "STRAIGHT TIME HOURS 2", "O.T.", "O.T. TIME AND 1/2 (1.5X)",
        "HOLIDAY IN HOURS", "VACATION - SICK, IN HOURS", "PAY IN DOLLAR AMOUNT", "TIPS (Hours)"};
    static constexpr std::string_view kHoursFrame = "Hours";
    static constexpr std::string_view kButtonsFrame = "    CLEAR               ADD";
    static constexpr std::string_view kResultsFrame = "Results";
    static constexpr std::string_view kTaxesFrame = "Taxes/Deductions";
    static constexpr std::string_view kWeekEndingLabel = "WEEK ENDING:";
    static constexpr std::string_view kOpt1xCaption = "(1X)";
    static constexpr std::string_view kOpt2xCaption = "(2X)";
    static constexpr std::string_view kLouisPriorCaption = "Louisiana- Prior to July 1";
    static constexpr std::string_view kSavePrevCaption = "Save This Pay Period";
    static constexpr std::string_view kPeriodCaption = "Get Pay Period";
    // Captions of the gross-pay label, lbTaxes, lbDeduct and lbNet.
    static constexpr std::string_view kGrossCaption = "GROSS PAY";
    static constexpr std::string_view kTaxesCaption = "TAXES";
    static constexpr std::string_view kDeductCaption = "DEDUCTIONS";
    static constexpr std::string_view kNetCaption = "NET PAY";

    // The designed captions of lbTaxTag: lines 0 to 10, then the labels beside them.
    static constexpr std::array<std::string_view, 18> kTaxTagCaptions = {
        "Federal Tax", "Soc Sec", "Medicare", "State Tax", "City Tax", "Muni Cr Union", "Bond",
        "Union Dues", "Pension", "Health Ins", "K Plan", "OverTime", "GROSS PAY", "NET PAY",
        "SDI", "SUI", "Cafeteria Plan", "Tips"};

    // Every control of the window, its menus in order among them.
    static std::span<const Control> controls();

    // Controls.
    std::string Caption{kTitle};             // the window's title
    std::array<std::string, 8> txtAmount{};  // the amount boxes, top to bottom
    bool opt1x = true;                       // "(1X)"
    bool opt2x = false;                      // "(2X)"
    std::string lbGross;                     // the gross-pay label
    std::string lbTaxes, lbDeduct, lbNet, lbOverT, lbTips;
    std::array<std::string, 11> lbTaxDed{};  // tax and deduction lines 0 to 10
    std::array<std::string, 18> lbTaxTag{};  // their captions, and those beside them
    std::string lbSDI, lbSUI, lbCafe;
    std::string txtWeek;                     // the pay date
    std::string lbUser{kUserLabel};
    std::string lbTaxVer;                    // edition of the federal tables
    std::string lbTableNotice;
    int ckLouisPrior = 0;
    bool ckLouisPriorVisible = false;

    // Focus among the amount boxes: the box that has it, and whether its whole
    // text is selected (entering a box selects it all).
    int amountFocus = 0;
    bool amountTextSelected = false;

    // Set when the program has been asked to end (Exit, Quit of the save prompt).
    bool programEnded = false;

    // Keys the amount boxes react to.
    static constexpr char kKeyEnter = '\r';
    static constexpr int kKeyUp = 38;
    static constexpr int kKeyDown = 40;

    // Event procedures.
    // A typed character: returns the character that reaches the box, or 0 when
    // it is discarded. Enter moves to the next box and never reaches it.
    char txtAmount_KeyPress(int index, char key);
    // Up and Down arrows move between the boxes.
    void txtAmount_KeyDown(int index, int keyCode);
    void txtAmount_GotFocus(int index);

    CalcOutcome cmdCal_Click();
    // The gross, net, taxes, deductions, overtime and tips labels emptied.
    void clearResultLabels();
    void cmdClear_Click();
    void mnuClear_Click();

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuExitItem_Click();
    // Closing the window by its frame: the same as Exit.
    void Form_Unload();

    // "Save This Pay Period"; false when nothing was saved.
    bool cmdSavePrev_Click();
    // "Get Pay Period"; false when cancelled or unreadable.
    bool cmdPeriod_Click();

    // Commands that open the other windows.
    void mnuChecks_Click();      // "C&hecks": the check window, beside
    void cmdPrint_Click();       // the print button: the pay stub
    void mnuPrintSheet_Click();  // "Print Sheet": the pay stub
    void mnuPrintImage_Click();  // "&Print Image": a picture of this window
    void Command1_Click();       // the leave balances, beside
    void mnuVacation_Click();
    void cmdOT_Click();          // the overtime tracker, beside
    void mnuOT_Click();
    void cmdYear_Click();        // the year ledger
    void mnuYear_Click();
    void mnuHeader_Click();      // the print heading, beside
    void mnuUserInfo_Click();    // the profile screen
    void mnuStateTax_Click();    // the state settings, beside
    void mnuCityTax_Click();     // the city tables, beside
    void mnuNonCity_Click();     // the non-resident table, beside
    // A click in the pay date box: the pay date picker, modal.
    void txtWeek_Click();
    void mnuHelp_Click();   // "He&lp": the help document
    void mnuAbout_Click();  // "&About": the About box, modal

protected:
    void Form_Load() override;
    void resetControls() override;

private:
    void moveAmountFocus(int index);
};

}  // namespace qv
