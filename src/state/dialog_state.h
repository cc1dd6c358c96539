// The state tax settings dialog "Biweekly State Tax": the generic bracket
// tables and allowances, SDI and SUI, the adjustment, "Round State" and the
// choice of a state method. Its boxes are the working copy of
// StateTaxSettings; fillVari copies them into the record.
//
// The state presets (OregonSet ... NCSet) are members of this form, defined
// one file per state under state/presets/. They work on the boxes through the
// helpers in the "preset helpers" section below.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class DialogState : public Form {
public:
    explicit DialogState(App& app);

    // Every control of the window.
    static std::span<const Control> controls();

    std::string Caption = "Biweekly State Tax";

    // ---- Tables (index = row - 1) and allowances (index = exemptions) ----
    std::array<std::string, 10> txtStateMinBS{}, txtStateAmtBS{}, txtStatePerBS{};
    std::array<std::string, 10> txtStateMinBM{}, txtStateAmtBM{}, txtStatePerBM{};
    std::array<std::string, 10> txtStateSgExp{}, txtStateMarExp{};
    // Presets lock boxes they fill themselves.
    std::array<bool, 10> txtStateMinBSEnabled{}, txtStateAmtBSEnabled{}, txtStatePerBSEnabled{};
    std::array<bool, 10> txtStateMinBMEnabled{}, txtStateAmtBMEnabled{}, txtStatePerBMEnabled{};
    std::array<bool, 10> txtStateSgExpEnabled{}, txtStateMarExpEnabled{};

    // ---- SDI, SUI, adjustment ----
    std::string txtSDIpercent, txtSDIwageBase, txtSUIpercent, txtSUIwageBase;
    std::string txtStateAdj, txtCalAllow;

    // ---- Check boxes (0/1) ----
    int ckNoStateTax = 0;
    int ckSDI = 0;        // "Use Base" of SDI
    int ckSUI = 0;        // "Use Base" of SUI
    int ckRoundOff = 0;   // "Round State"
    int ckSpouse = 0;     // "Spouse Works"
    bool ckSpouseVisible = false;

    // The twelve method boxes.
    int ckAriz = 0, ckLouis = 0, ckIowa = 0, ckMissouri = 0, ckMass = 0, ckOregon = 0;
    int ckKentucky = 0, ckUtah = 0, ckAlabama = 0, ckWiscon = 0, ckWisconApril = 0, ckNC = 0;

    // ---- Labels and frames ----
    // Captions of Label1 .. Label28 at their number (index 0, 7 unused);
    // Label27 is the array of allowance-row captions below.
    std::array<std::string, 29> Label{};
    std::array<bool, 29> LabelVisible{};
    std::array<bool, 29> LabelEnabled{};
    std::array<std::string, 10> Label27{};
    bool Frame1Enabled = true;  // row numbers of the single table
    bool Frame3Visible = true;  // the allowance table
    std::string Frame4 = "&State &Disability &Insurance";
    std::string Frame5 = "&State &UnEmployment &Insurance";
    std::string Frame6 = "Adustment";

    // Captions of the check boxes and buttons.
    static constexpr std::string_view kNoStateTaxCaption = "NO STATE TAX";
    static constexpr std::string_view kRoundOffCaption = "Round State";
    static constexpr std::string_view kSpouseCaption = "Spouse Works";
    static constexpr std::string_view kSpouseTip = "For Married Persons";
    static constexpr std::string_view kUseBaseCaption = "Use Base";
    static constexpr std::string_view kSaveCaption = "SAVE";
    static constexpr std::string_view kCancelCaption = "CANCEL";
    static constexpr std::string_view kNewYorkCaption = "New York";
    static constexpr std::string_view kMakeDefaultCaption = "Make Default";
    static constexpr std::string_view kGetDefaultCaption = "Get Default";
    static constexpr std::string_view kClearAllCaption = "CLEAR ALL";

    // ---- The method boxes as a set ----
    enum class MethodBox { Ariz, Louis, Iowa, Missouri, Mass, Oregon, Kentucky, Utah, Alabama, Wiscon, WisconApril, NC };
    int& methodBox(MethodBox b);
    static std::string_view methodCaption(MethodBox b);

    // ---- User actions ----
    // Menu "S&tate Tax": shows the dialog, runs the checked state's preset again.
    void ShowFromMenu();
    void OKButton_Click();      // SAVE
    void CancelButton_Click();  // CANCEL
    void cmdDefault_Click();    // "New York"
    void cmdClearAll_Click();   // "CLEAR ALL"
    void cmdMkDefault_Click();  // "Make Default"
    void cmdGetDefault_Click(); // "Get Default"

    // A method box pressed with the mouse: its handler runs first (clearing
    // the other boxes, running the state's preset), then the box toggles.
    // A method box toggled from the keyboard is a plain assignment.
    void pressMethodBox(MethodBox b);
    void ckAriz_MouseDown();
    void ckLouis_MouseDown();
    void ckIowa_MouseDown();
    void ckMissouri_MouseDown();
    void ckMass_MouseDown();
    void ckOregon_MouseDown();
    void ckKentucky_MouseDown();
    void ckUtah_MouseDown();
    void ckAlabama_MouseDown();
    void ckWiscon_MouseDown();
    void ckWisconApril_MouseDown();
    void ckNC_MouseDown();

    // Sets a check box from code or from a click: a change of value runs the
    // box's click handler ("NO STATE TAX", both "Use Base", "Spouse Works");
    // the method boxes and "Round State" have none.
    void setCheck(int& box, int value);
    void ckNoStateTax_Click();
    void ckSDI_Click();
    void ckSUI_Click();
    void ckSpouse_Click();

    // Every text box takes only "0123456789 -." and backspace.
    static bool txtBox_KeyPress(char key);
    // The six SDI/SUI/adjustment boxes select their whole text on entry.
    bool selectsAllOnEntry(const std::string& box) const;

    // ---- Record <-> boxes ----
    // Gives every exactly empty box its default text; a space is not empty.
    void CheckFor();
    // CheckFor, then copies the boxes into the record. False when a box does
    // not read as a number: the fields copied before it keep their values.
    bool fillVari();

    // ---- Preset helpers ----
    // Rows are indices 0..9 (the dialog's rows 1..10), inclusive ranges.
    // Both tables: minimum 999999, amount 0, percentage 0.
    void clearTableRows(int first, int last);
    // Both tables, all three columns.
    void setTableRowsEnabled(int first, int last, bool enabled);
    // Writes one row of one table (single = true for the single table).
    void setTableRow(bool single, int row, std::string_view min, std::string_view amount, std::string_view rate);
    // Both allowance columns.
    void setAllowancesEnabled(bool enabled);
    // Label27(n) = "n".
    void numberAllowanceRows();
    // Frame1, the table labels Label1..Label6, Label8..Label11, Label19, Label20.
    void setTableLabelsEnabled(bool enabled);
    // The loader's dialog part: every table and allowance box, the six boxes
    // and "NO STATE TAX", both "Use Base" from the record (changes act as clicks).
    void boxesFromRecord();
    // The method boxes, "Spouse Works" and "Round State" from the record.
    void methodBoxesFromRecord();
    // The employee screen's state status, exemptions, additional federal
    // withholding and the two exempt boxes from the record.
    void employeeScreenFromRecord();
    // The pay sheet's "Louisiana- Prior to July 1" box.
    void setLouisPriorVisible(bool visible);

    // The presets, one file per state under state/presets/.
    void OregonSet();
    void MissouriSet();
    void IowaSet();
    void LouisianaSet();
    void MassSet();
    void AlabamaSet();
    void WisconsinSet();
    void WisconsinAprilSet();
    void KentuckySet();
    void UtahSet();
    void NCSet();
    // Unchecking Kentucky shows the allowance table again.
    void KentuckyUnset();

protected:
    void Form_Load() override;
    void resetControls() override;

private:
    void designedControls();
    // Runs the preset of every checked method box in the fixed order.
    void runCheckedPresets(bool showLouisPrior);
    void uncheckMethodBoxes();
    // What every method box handler does first.
    void clearOtherMethodBoxes(MethodBox pressed);
    // A method box's handler, as the state method table describes the box.
    void methodBoxDown(MethodBox b);
    void hideSpouse();
    // Fills the tables, allowances and the six boxes like "New York" does.
    void writeNewYorkTables();
    // Every table box 999999/0/0 and every allowance box 0.
    void clearAllTables();
    // The employee profile files, read again and written (they carry some of
    // this dialog's flags).
    void reloadProfile();
    void saveProfile();
    // "Make Default": every employee file once more under the empty name.
    void writeDefaultFiles();
};

}  // namespace qv
