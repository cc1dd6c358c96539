// The employee profile screen "User Info": the current employee's filing
// statuses and exemptions, pay frequency, rates, deductions and their
// captions, exemption flags, and the name and address printed on the check.
// Its boxes are the profile's working copy; every path that changes one
// changes the other.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class FrmTaxInfo : public Form {
public:
    explicit FrmTaxInfo(App& app);

    static constexpr std::string_view kCaption = "User Info";
    static constexpr std::array<std::string_view, 2> kStatusList{"Single", "Married"};
    static constexpr std::array<std::string_view, 10> kDependList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    // The caption each deduction line 5 to 9 takes when its box is empty.
    static constexpr std::array<std::string_view, 5> kDefaultDedNames{"CrUnion", "Bond", "Dues", "Pension",
                                                                       "Health Ins"};
    // What a new employee starts with; line 9 differs from the blank default.
    static constexpr std::array<std::string_view, 5> kNewDedNames{"CrUnion", "Bond", "Dues", "Pension", "Misc."};
    // Shown in the rate box instead of a rate of 0.
    static constexpr std::string_view kDefaultRateText = "7.5";

    // Every control of the window.
    static std::span<const Control> controls();

    // "FEDERAL STATUS"
    std::string cboStatus;   // "Single" / "Married"
    std::string cboDepend;   // "0" to "9"
    // "STATE & CITY STATUS"
    std::string cboStatus2;
    std::string cboDepend2;
    // Pay frequency.
    bool optWeek = false;    // "Weekly"
    bool optBiWeek = false;  // "Bi-Weekly"
    // Flags.
    int ckSelfEmp = 0;      // "Self Employed"
    int ckFedExemp = 0;     // "Federal Tax Exempt"
    int ckNonCity = 0;      // "NON-CITY Resident"
    int ckSSMediExemp = 0;  // "Soc. Sec.  Medicare Tax Exempt"
    // Check address.
    std::string txtName{"Employee's Name"};
    std::string txtAddress{"Employee's Address for Check"};
    std::string txtStateCityZip{"City, State, Zip Code"};
    std::string txtSSnum{"Social Security Number"};
    // Deduction lines 5 to 9: caption boxes and amounts.
    std::string txtTax5{"Credit"}, txtTax6{"Bond"}, txtTax7{"Dues"}, txtTax8{"Pension"}, txtTax9{"Health Ins"};
    std::string txtMuni;     // line 5, dollars
    std::string txtBond;     // line 6, dollars
    std::string txtDues;     // line 7, dollars
    std::string txtPension;  // line 8, percent of gross
    std::string txtMisc;     // line 9, dollars
    // K plan: an amount that is dollars ($, ckKpFix) or a percentage (%, ckKpPer).
    std::string txtKplan;
    int ckKpFix = 0;
    int ckKpPer = 0;
    // "Cafeteria Plan"
    std::string txtCafe;
    int ckCafeState = 0;  // "Deduct State"
    // Rates.
    std::string txtHourRate;   // "Hourly Rate 1"
    std::string txtHourRate2;  // "Hourly Rate 2"
    std::string txtTipsRate;   // "Tips Rate"
    std::string txtFedAddL;    // "Additional Federal Withholdings"

    // The menu "&User Info": runs the opening sequence (defaults, shows the
    // profile, copies it back and saves it) and shows the screen.
    void open();
    // Copies the boxes into the profile, updates the pay sheet and writes the
    // profile files. A rate or exemption box that is not a number shows a
    // message naming it and changes nothing; false then, or when a file
    // could not be written.
    bool fillVar_();
    // Resets the profile and the boxes to a new employee's values.
    void ClearAll();
    // "Save": keeps the edits, saves everything and closes the screen. A box
    // that is not a number keeps the screen open.
    void cmdOk_Click();
    // "Close": closes the screen without copying anything.
    void Command1_Click();
    // The K plan boxes clear each other when set; the view sets the value and
    // then calls the click.
    void ckKpFix_Click();
    void ckKpPer_Click();
    // The amount and rate boxes accept only "0123456789 -." and backspace.
    static bool amountBoxAccepts(char key);

    // Shows every profile field in its box (the profile loader's view).
    void showProfile();
    // Shows the pay frequency and the K plan kind of the profile.
    void showFrequencyAndKPlan();
    // The pay sheet's notice of the tables in use, from the profile's frequency.
    void showTableNotice();
    // The pay sheet's captions of deduction lines 5 to 9 from the caption boxes.
    void showDeductionCaptions();

protected:
    void Form_Load() override;
    void resetControls() override;

private:
    void openingSequence();
    void setCkKpFix(int v);
    void setCkKpPer(int v);
    std::array<std::string*, 5> captionBoxes();
    // The save-all of the employee, as the save prompt's Save runs it.
    void saveEverything();
};

}  // namespace qv
