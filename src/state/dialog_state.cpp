#include "state/dialog_state.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "common/format.h"
#include "common/key_filter.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "paysheet/box_copy.h"
#include "employee/frm_save_user.h"
#include "employee/frm_tax_info.h"
#include "employee/new_open_save.h"
#include "employee/profile_files.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"
#include "state/state_files.h"
#include "state/state_method_table.h"
#include "state/state_settings.h"

namespace qv {

DialogState& App::dialogState() { return formIn(dialogState_); }

namespace {

constexpr std::string_view kUnusedMin = "999999";

// The text a box gets when it is exactly empty: the tables and allowances of
// the default state table, and "0" for the six SDI/SUI/adjustment boxes.
struct RowDefault {
    std::string_view minS, amtS, perS, minM, amtM, perM;
};
constexpr std::array<RowDefault, 10> kBlankRows = {{
    {"0", "0", "0.04", "0", "0", "0.04"},
    {"327", "13.08", "0.045", "327", "13.08", "0.045"},
    {"450", "18.62", "0.0525", "450", "18.62", "0.0525"},
    {"535", "23.08", "0.059", "535", "23.08", "0.059"},
    {"823", "40.08", "0.0633", "823", "40.08", "0.0633"},
    {"3102", "184.35", "0.0657", "3102", "184.35", "0.0657"},
    {"3723", "225.15", "0.0758", "3723", "225.15", "0.0783"},
    {"4140", "256.77", "0.0808", "4140", "257.81", "0.0833"},
    {"6063", "412.15", "0.0707", "6063", "418", "0.0785"},
    {"8285", "569.19", "0.0856", "8137", "580.73", "0.0707"},
}};
constexpr std::array<std::string_view, 10> kBlankSingleAllow = {"284.6", "323.1", "361.6", "400.1", "438.6",
                                                                "477.1", "515.6", "554.1", "592.6", "631.1"};
constexpr std::array<std::string_view, 10> kBlankMarriedAllow = {"305.8", "344.3", "382.8", "421.3", "459.8",
                                                                 "498.3", "536.8", "575.3", "613.8", "652.3"};
// "New York" writes the same tables except single row 9's minimum.
constexpr std::string_view kNewYorkSingleRow9Min = "6213";

void fillIfEmpty(std::string& box, std::string_view text) {
    if (box.empty()) box = std::string(text);
}

// A box's text as a single; nothing when it is no number or beyond a single's range.
std::optional<float> boxNumber(const std::string& text) {
    return convertSingle(text);
}

}  // namespace

DialogState::DialogState(App& app) : Form(app) { designedControls(); }

void DialogState::designedControls() {
    for (auto* col : {&txtStateMinBS, &txtStateAmtBS, &txtStatePerBS, &txtStateMinBM, &txtStateAmtBM, &txtStatePerBM,
                      &txtStateSgExp, &txtStateMarExp})
        col->fill(std::string());
    for (auto* col : {&txtStateMinBSEnabled, &txtStateAmtBSEnabled, &txtStatePerBSEnabled, &txtStateMinBMEnabled,
                      &txtStateAmtBMEnabled, &txtStatePerBMEnabled, &txtStateSgExpEnabled, &txtStateMarExpEnabled})
        col->fill(true);
    txtSDIpercent.clear();
    txtSDIwageBase.clear();
    txtSUIpercent.clear();
    txtSUIwageBase.clear();
    txtStateAdj.clear();
    txtCalAllow.clear();

    ckNoStateTax = ckSDI = ckSUI = ckRoundOff = ckSpouse = 0;
    ckSpouseVisible = false;
    uncheckMethodBoxes();

    Label.fill(std::string());
    LabelVisible.fill(true);
    LabelEnabled.fill(true);
    Label[1] = "Minimum Range";
    Label[2] = "Amount to Withhold";
    Label[3] = "Multiply by Percentage in Decimal";
    Label[4] = "Table for SINGLE Persons";
    Label[5] = "Table for MARRIED Persons";
    Label[6] = "Line";
    Label[8] = "Minimum Range";
    Label[9] = "Amount to Withhold";
    Label[10] = "Multiply by Percentage in Decimal";
    Label[11] = "Line";
    Label[12] =
        "You MUST enter biweekly figures. The WEEKLY tables will auto adjust by selecting weekly in \"User Info\".";
    Label[13] = "# of Exemp";
    Label[14] = "SINGLE";
    Label[15] = "MARRIED";
    Label[16] = "Withholding Allowance";
    Label[17] = "Enter 999999 in any Minum Range Box that is not used.";
    Label[18] = "WARNING!";
    Label[19] = "BIWEEKLY ";
    Label[20] = "BIWEEKLY ";
    Label[21] = "BIWEEKLY ";
    Label[22] = "% Rate";
    Label[23] = "Flat Rate";
    Label[24] = "Enter figure to add to State Tax. Place a (-)Minus to subtract.";
    Label[25] = "% Rate";
    Label[26] = "Flat Rate";
    Label[28] = "California Exempt Allowance";
    numberAllowanceRows();
    Frame1Enabled = true;
    Frame3Visible = true;
}

std::span<const Control> DialogState::controls() {
    using D = DialogState;
    static constexpr Control kTable[] = {
        control<&D::Caption>("Caption").title(),
        control<&D::txtStateMinBS>("txtStateMinBS").onKeyPress<&D::txtBox_KeyPress>().enabledBy<&D::txtStateMinBSEnabled>(),
        control<&D::txtStateAmtBS>("txtStateAmtBS").onKeyPress<&D::txtBox_KeyPress>().enabledBy<&D::txtStateAmtBSEnabled>(),
        control<&D::txtStatePerBS>("txtStatePerBS").onKeyPress<&D::txtBox_KeyPress>().enabledBy<&D::txtStatePerBSEnabled>(),
        control<&D::txtStateMinBM>("txtStateMinBM").onKeyPress<&D::txtBox_KeyPress>().enabledBy<&D::txtStateMinBMEnabled>(),
        control<&D::txtStateAmtBM>("txtStateAmtBM").onKeyPress<&D::txtBox_KeyPress>().enabledBy<&D::txtStateAmtBMEnabled>(),
        control<&D::txtStatePerBM>("txtStatePerBM").onKeyPress<&D::txtBox_KeyPress>().enabledBy<&D::txtStatePerBMEnabled>(),
        control<&D::txtStateSgExp>("txtStateSgExp").onKeyPress<&D::txtBox_KeyPress>().enabledBy<&D::txtStateSgExpEnabled>(),
        control<&D::txtStateMarExp>("txtStateMarExp").onKeyPress<&D::txtBox_KeyPress>().enabledBy<&D::txtStateMarExpEnabled>(),
        control<&D::txtSDIpercent>("txtSDIpercent").onKeyPress<&D::txtBox_KeyPress>().selectsAll(),
        control<&D::txtSDIwageBase>("txtSDIwageBase").onKeyPress<&D::txtBox_KeyPress>().selectsAll(),
        control<&D::txtSUIpercent>("txtSUIpercent").onKeyPress<&D::txtBox_KeyPress>().selectsAll(),
        control<&D::txtSUIwageBase>("txtSUIwageBase").onKeyPress<&D::txtBox_KeyPress>().selectsAll(),
        control<&D::txtStateAdj>("txtStateAdj").onKeyPress<&D::txtBox_KeyPress>().selectsAll(),
        control<&D::txtCalAllow>("txtCalAllow").onKeyPress<&D::txtBox_KeyPress>().selectsAll(),
        control<&D::ckNoStateTax>("ckNoStateTax").caption(kNoStateTaxCaption).onClick<&D::ckNoStateTax_Click>(),
        control<&D::ckSDI>("ckSDI").caption(kUseBaseCaption).onClick<&D::ckSDI_Click>(),
        control<&D::ckSUI>("ckSUI").caption(kUseBaseCaption).onClick<&D::ckSUI_Click>(),
        control<&D::ckRoundOff>("ckRoundOff").caption(kRoundOffCaption),
        control<&D::ckSpouse>("ckSpouse").caption(kSpouseCaption).tip(kSpouseTip).visibleBy<&D::ckSpouseVisible>().onClick<&D::ckSpouse_Click>(),
        control<&D::ckAriz>("ckAriz").caption(stateMethod(MethodBox::Ariz).caption).onMouseDown<&D::ckAriz_MouseDown>(),
        control<&D::ckLouis>("ckLouis").caption(stateMethod(MethodBox::Louis).caption).onMouseDown<&D::ckLouis_MouseDown>(),
        control<&D::ckIowa>("ckIowa").caption(stateMethod(MethodBox::Iowa).caption).onMouseDown<&D::ckIowa_MouseDown>(),
        control<&D::ckMissouri>("ckMissouri").caption(stateMethod(MethodBox::Missouri).caption).onMouseDown<&D::ckMissouri_MouseDown>(),
        control<&D::ckMass>("ckMass").caption(stateMethod(MethodBox::Mass).caption).onMouseDown<&D::ckMass_MouseDown>(),
        control<&D::ckOregon>("ckOregon").caption(stateMethod(MethodBox::Oregon).caption).onMouseDown<&D::ckOregon_MouseDown>(),
        control<&D::ckKentucky>("ckKentucky").caption(stateMethod(MethodBox::Kentucky).caption).onMouseDown<&D::ckKentucky_MouseDown>(),
        control<&D::ckUtah>("ckUtah").caption(stateMethod(MethodBox::Utah).caption).onMouseDown<&D::ckUtah_MouseDown>(),
        control<&D::ckAlabama>("ckAlabama").caption(stateMethod(MethodBox::Alabama).caption).onMouseDown<&D::ckAlabama_MouseDown>(),
        control<&D::ckWiscon>("ckWiscon").caption(stateMethod(MethodBox::Wiscon).caption).onMouseDown<&D::ckWiscon_MouseDown>(),
        control<&D::ckWisconApril>("ckWisconApril").caption(stateMethod(MethodBox::WisconApril).caption).onMouseDown<&D::ckWisconApril_MouseDown>(),
        control<&D::ckNC>("ckNC").caption(stateMethod(MethodBox::NC).caption).onMouseDown<&D::ckNC_MouseDown>(),
        // Label1 .. Label28 kept at their number; Label27 is an array of its own.
        control<&D::Label>("Label")
            .numbered()
            .without({0, 7, 27})
            .visibleBy<&D::LabelVisible>()
            .enabledBy<&D::LabelEnabled>(),
        control<&D::Label27>("Label27"),
        flags("Frame1").enabledBy<&D::Frame1Enabled>(),
        flags("Frame3").visibleBy<&D::Frame3Visible>(),
        control<&D::Frame4>("Frame4"),
        control<&D::Frame5>("Frame5"),
        control<&D::Frame6>("Frame6"),
        command<&D::OKButton_Click>("OKButton").caption(kSaveCaption),
        command<&D::CancelButton_Click>("CancelButton").caption(kCancelCaption),
        command<&D::cmdDefault_Click>("cmdDefault").caption(kNewYorkCaption),
        command<&D::cmdClearAll_Click>("cmdClearAll").caption(kClearAllCaption),
        command<&D::cmdMkDefault_Click>("cmdMkDefault").caption(kMakeDefaultCaption),
        command<&D::cmdGetDefault_Click>("cmdGetDefault").caption(kGetDefaultCaption),
    };
    return kTable;
}

void DialogState::resetControls() { resetToDesign(*this, app()); }

int& DialogState::methodBox(MethodBox b) { return this->*stateMethod(b).checkBox; }

std::string_view DialogState::methodCaption(MethodBox b) { return stateMethod(b).caption; }


// ---- Opening and the menu ----

void DialogState::Form_Load() {
    LoadStateFile(app());
    reloadProfile();
    // Alabama and Arizona keep the typed table, so blank boxes get defaults.
    const bool builtInTables = ckLouis || ckIowa || ckMissouri || ckMass || ckOregon || ckUtah || ckKentucky ||
                               ckWiscon || ckNC || ckWisconApril;
    if (!builtInTables) CheckFor();
    runCheckedPresets(true);
    // The boxes hold numbers here (loaded, defaulted or preset), so nothing can fail.
    fillVari();
    Label[26] = ckSDI ? "Wage Base" : "Flat Rate";
    Label[23] = ckSUI ? "Wage Base" : "Flat Rate";
}

void DialogState::runCheckedPresets(bool showLouisPrior) {
    // Each preset sees the boxes as the presets before it left them.
    for (const StateMethodRow& m : kStateMethods) {
        if (!(this->*m.checkBox) || !m.preset) continue;
        if (showLouisPrior && m.priorTax) setLouisPriorVisible(true);
        (this->*m.preset)();
    }
}

void DialogState::ShowFromMenu() {
    show();
    runCheckedPresets(false);
    for (const StateMethodRow& m : kStateMethods)
        if (m.showsSpouse && this->*m.checkBox) ckSpouseVisible = true;
}

// ---- Buttons ----

void DialogState::OKButton_Click() {
    if (!fillVari()) {
        app().ui().message(kNonNumeric);
        return;
    }
    SaveStateFile(app());
    saveProfile();
    unload();
}

void DialogState::CancelButton_Click() { unload(); }

void DialogState::cmdDefault_Click() {
    setCheck(ckNoStateTax, 0);
    uncheckMethodBoxes();
    setLouisPriorVisible(false);
    hideSpouse();
    ckRoundOff = 0;
    writeNewYorkTables();
    Label[14] = "Single";
    Label[15] = "Married";
    Label[21] = "BiWeekly";
    Label[13] = "# of Exemp";
    Label[5] = "Table for MARRIED Persons";
    numberAllowanceRows();
    LabelVisible[19] = LabelVisible[20] = LabelVisible[21] = true;
    setTableLabelsEnabled(true);
    setTableRowsEnabled(0, 9, true);
    setAllowancesEnabled(true);
}

void DialogState::writeNewYorkTables() {
    for (int r = 0; r < 10; ++r) {
        const RowDefault& d = kBlankRows[r];
        setTableRow(true, r, r == 8 ? kNewYorkSingleRow9Min : d.minS, d.amtS, d.perS);
        setTableRow(false, r, d.minM, d.amtM, d.perM);
        txtStateSgExp[r] = std::string(kBlankSingleAllow[r]);
        txtStateMarExp[r] = std::string(kBlankMarriedAllow[r]);
    }
    for (auto* box : {&txtSDIpercent, &txtSDIwageBase, &txtStateAdj, &txtCalAllow, &txtSUIpercent, &txtSUIwageBase})
        fillIfEmpty(*box, "0");
}

void DialogState::cmdClearAll_Click() {
    clearAllTables();
    ckRoundOff = 0;
    hideSpouse();
}

void DialogState::cmdGetDefault_Click() { LoadStateDefault(app()); }

void DialogState::cmdMkDefault_Click() {
    if (!fillVari()) {
        app().ui().message(kNonNumeric);
        return;
    }
    SaveStateFile(app());
    saveProfile();
    writeDefaultFiles();
}

// ---- Check boxes ----

void DialogState::setCheck(int& box, int value) {
    value = value ? 1 : 0;
    if (box == value) return;
    box = value;
    if (&box == &ckNoStateTax) ckNoStateTax_Click();
    else if (&box == &ckSDI) ckSDI_Click();
    else if (&box == &ckSUI) ckSUI_Click();
    else if (&box == &ckSpouse) ckSpouse_Click();
}

void DialogState::hideSpouse() {
    setCheck(ckSpouse, 0);
    ckSpouseVisible = false;
}

void DialogState::ckNoStateTax_Click() {
    const StateTaxSettings& s = app().state;
    // The record's flag follows the box at SAVE, like every other box: a
    // CANCEL must not leave a flag behind that clears the tables at the next load.
    if (ckNoStateTax) {
        clearAllTables();
    } else {
        for (int r = 0; r < 10; ++r) {
            txtStateMinBS[r] = plainNumber(s.StateMinBS[r]);
            txtStateAmtBS[r] = plainNumber(s.StateAmtBS[r]);
            txtStatePerBS[r] = plainNumber(s.StatePerBS[r]);
            txtStateMinBM[r] = plainNumber(s.StateMinBM[r]);
            txtStateAmtBM[r] = plainNumber(s.StateAmtBM[r]);
            txtStatePerBM[r] = plainNumber(s.StatePerBM[r]);
            txtStateSgExp[r] = plainNumber(s.StateSgExp[r]);
            txtStateMarExp[r] = plainNumber(s.StateMarExp[r]);
        }
    }
    txtSDIpercent = plainNumber(s.SDIPercent);
    txtSDIwageBase = plainNumber(s.SDIWageBase);
    txtStateAdj = plainNumber(s.StateAdj);
    txtCalAllow = plainNumber(s.CalAllow);
    txtSUIpercent = plainNumber(s.SUIPercent);
    txtSUIwageBase = plainNumber(s.SUIWageBase);
    setCheck(ckSDI, s.SDIUseBase);
    setCheck(ckSUI, s.SUIUseBase);
    if (ckNoStateTax) {
        ckRoundOff = s.RoundState ? 1 : 0;
        uncheckMethodBoxes();
        setLouisPriorVisible(false);
        hideSpouse();
    }
}

void DialogState::clearAllTables() {
    clearTableRows(0, 9);
    txtStateSgExp.fill("0");
    txtStateMarExp.fill("0");
}

void DialogState::ckSDI_Click() {
    if (ckSDI) {
        Label[26] = "Wage Base";
    } else {
        Label[26] = "Flat Rate";
        txtSDIpercent = "0";
    }
}

void DialogState::ckSUI_Click() {
    if (ckSUI) {
        Label[23] = "Wage Base";
    } else {
        Label[23] = "Flat Rate";
        txtSUIpercent = "0";
    }
}

void DialogState::ckSpouse_Click() {
    if (ckMissouri) MissouriSet();
}

// ---- Method boxes pressed with the mouse ----

void DialogState::pressMethodBox(MethodBox b) {
    methodBoxDown(b);
    int& box = methodBox(b);
    box = box ? 0 : 1;
}

void DialogState::uncheckMethodBoxes() {
    for (const StateMethodRow& m : kStateMethods) this->*m.checkBox = 0;
}

void DialogState::clearOtherMethodBoxes(MethodBox pressed) {
    for (const StateMethodRow& m : kStateMethods)
        if (m.box != pressed) this->*m.checkBox = 0;
    setCheck(ckNoStateTax, 0);
}

void DialogState::methodBoxDown(MethodBox b) {
    const StateMethodRow& m = stateMethod(b);
    const bool wasChecked = this->*m.checkBox != 0;
    clearOtherMethodBoxes(b);
    setLouisPriorVisible(m.priorTax != nullptr);
    if (!m.showsSpouse) hideSpouse();
    else if (!wasChecked) ckSpouseVisible = true;
    ckRoundOff = m.roundsOnPress ? 1 : 0;
    LabelVisible[19] = LabelVisible[20] = LabelVisible[21] = m.biWeeklyLabels;
    if (m.preset) (this->*m.preset)();
    if (wasChecked && m.uncheck) (this->*m.uncheck)();
}

void DialogState::ckAriz_MouseDown() { methodBoxDown(MethodBox::Ariz); }
void DialogState::ckLouis_MouseDown() { methodBoxDown(MethodBox::Louis); }
void DialogState::ckIowa_MouseDown() { methodBoxDown(MethodBox::Iowa); }
void DialogState::ckMissouri_MouseDown() { methodBoxDown(MethodBox::Missouri); }
void DialogState::ckMass_MouseDown() { methodBoxDown(MethodBox::Mass); }
void DialogState::ckOregon_MouseDown() { methodBoxDown(MethodBox::Oregon); }
void DialogState::ckKentucky_MouseDown() { methodBoxDown(MethodBox::Kentucky); }
void DialogState::ckUtah_MouseDown() { methodBoxDown(MethodBox::Utah); }
void DialogState::ckAlabama_MouseDown() { methodBoxDown(MethodBox::Alabama); }
void DialogState::ckWiscon_MouseDown() { methodBoxDown(MethodBox::Wiscon); }
void DialogState::ckWisconApril_MouseDown() { methodBoxDown(MethodBox::WisconApril); }
void DialogState::ckNC_MouseDown() { methodBoxDown(MethodBox::NC); }

// ---- Typing ----

bool DialogState::txtBox_KeyPress(char key) { return numericKeyAccepted(key); }

bool DialogState::selectsAllOnEntry(const std::string& box) const {
    return &box == &txtSDIpercent || &box == &txtSDIwageBase || &box == &txtStateAdj || &box == &txtCalAllow ||
           &box == &txtSUIpercent || &box == &txtSUIwageBase;
}

// ---- Boxes and record ----

void DialogState::CheckFor() {
    for (int r = 0; r < 10; ++r) fillIfEmpty(txtStateMinBS[r], kBlankRows[r].minS);
    for (int r = 0; r < 10; ++r) fillIfEmpty(txtStateAmtBS[r], kBlankRows[r].amtS);
    for (int r = 0; r < 10; ++r) fillIfEmpty(txtStatePerBS[r], kBlankRows[r].perS);
    for (int r = 0; r < 10; ++r) fillIfEmpty(txtStateMinBM[r], kBlankRows[r].minM);
    for (int r = 0; r < 10; ++r) fillIfEmpty(txtStateAmtBM[r], kBlankRows[r].amtM);
    for (int r = 0; r < 10; ++r) fillIfEmpty(txtStatePerBM[r], kBlankRows[r].perM);
    for (int n = 0; n < 10; ++n) fillIfEmpty(txtStateSgExp[n], kBlankSingleAllow[n]);
    for (int n = 0; n < 10; ++n) fillIfEmpty(txtStateMarExp[n], kBlankMarriedAllow[n]);
    for (auto* box : {&txtSDIpercent, &txtSDIwageBase, &txtStateAdj, &txtCalAllow, &txtSUIpercent, &txtSUIwageBase})
        fillIfEmpty(*box, "0");
}

bool DialogState::fillVari() {
    CheckFor();
    auto flag = [](int box) { return static_cast<std::int16_t>(box ? 1 : 0); };
    return static_cast<bool>(
        copyBoxesInto(app().state, [&](StateTaxSettings& s, BoxReader& read) {
            s.NoStateTax = flag(ckNoStateTax);
            for (std::size_t r = 0; r < 10; ++r) {
                read(txtStateMinBS[r], s.StateMinBS[r], boxNumber)(txtStateAmtBS[r], s.StateAmtBS[r], boxNumber);
                read(txtStatePerBS[r], s.StatePerBS[r], boxNumber)(txtStateMinBM[r], s.StateMinBM[r], boxNumber);
                read(txtStateAmtBM[r], s.StateAmtBM[r], boxNumber)(txtStatePerBM[r], s.StatePerBM[r], boxNumber);
            }
            for (std::size_t n = 0; n < 10; ++n)
                read(txtStateSgExp[n], s.StateSgExp[n], boxNumber)(txtStateMarExp[n], s.StateMarExp[n], boxNumber);
            read(txtSDIpercent, s.SDIPercent, boxNumber)(txtSDIwageBase, s.SDIWageBase, boxNumber);
            read(txtStateAdj, s.StateAdj, boxNumber)(txtCalAllow, s.CalAllow, boxNumber);
            read(txtSUIpercent, s.SUIPercent, boxNumber)(txtSUIwageBase, s.SUIWageBase, boxNumber);
            s.SDIUseBase = flag(ckSDI);
            s.SUIUseBase = flag(ckSUI);
            for (const StateMethodRow& m : kStateMethods) s.*m.flag = flag(this->*m.checkBox);
            s.SpouseWorks = flag(ckSpouse);
            s.RoundState = flag(ckRoundOff);
        }));
}

void DialogState::boxesFromRecord() {
    const StateTaxSettings& s = app().state;
    for (int r = 0; r < 10; ++r) {
        txtStateMinBS[r] = plainNumber(s.StateMinBS[r]);
        txtStateAmtBS[r] = plainNumber(s.StateAmtBS[r]);
        txtStatePerBS[r] = plainNumber(s.StatePerBS[r]);
        txtStateMinBM[r] = plainNumber(s.StateMinBM[r]);
        txtStateAmtBM[r] = plainNumber(s.StateAmtBM[r]);
        txtStatePerBM[r] = plainNumber(s.StatePerBM[r]);
    }
    for (int n = 0; n < 10; ++n) {
        txtStateSgExp[n] = plainNumber(s.StateSgExp[n]);
        txtStateMarExp[n] = plainNumber(s.StateMarExp[n]);
    }
    txtSDIpercent = plainNumber(s.SDIPercent);
    txtSUIpercent = plainNumber(s.SUIPercent);
    txtSDIwageBase = plainNumber(s.SDIWageBase);
    txtSUIwageBase = plainNumber(s.SUIWageBase);
    txtStateAdj = plainNumber(s.StateAdj);
    txtCalAllow = plainNumber(s.CalAllow);
    setCheck(ckNoStateTax, s.NoStateTax);
    setCheck(ckSDI, s.SDIUseBase);
    setCheck(ckSUI, s.SUIUseBase);
}

void DialogState::methodBoxesFromRecord() {
    const StateTaxSettings& s = app().state;
    // Method boxes answer only to the mouse: setting them from code runs nothing.
    for (const StateMethodRow& m : kStateMethods) this->*m.checkBox = s.*m.flag ? 1 : 0;
    setCheck(ckSpouse, s.SpouseWorks);
    ckRoundOff = s.RoundState ? 1 : 0;
}

// ---- Preset helpers ----

void DialogState::clearTableRows(int first, int last) {
    for (int r = std::max(first, 0); r <= std::min(last, 9); ++r) {
        setTableRow(true, r, kUnusedMin, "0", "0");
        setTableRow(false, r, kUnusedMin, "0", "0");
    }
}

void DialogState::setTableRowsEnabled(int first, int last, bool enabled) {
    for (int r = std::max(first, 0); r <= std::min(last, 9); ++r) {
        txtStateMinBSEnabled[r] = txtStateAmtBSEnabled[r] = txtStatePerBSEnabled[r] = enabled;
        txtStateMinBMEnabled[r] = txtStateAmtBMEnabled[r] = txtStatePerBMEnabled[r] = enabled;
    }
}

void DialogState::setTableRow(bool single, int row, std::string_view min, std::string_view amount,
                              std::string_view rate) {
    if (row < 0 || row > 9) return;
    if (single) {
        txtStateMinBS[row] = std::string(min);
        txtStateAmtBS[row] = std::string(amount);
        txtStatePerBS[row] = std::string(rate);
    } else {
        txtStateMinBM[row] = std::string(min);
        txtStateAmtBM[row] = std::string(amount);
        txtStatePerBM[row] = std::string(rate);
    }
}

void DialogState::setAllowancesEnabled(bool enabled) {
    txtStateSgExpEnabled.fill(enabled);
    txtStateMarExpEnabled.fill(enabled);
}

void DialogState::numberAllowanceRows() {
    for (int n = 0; n < 10; ++n) Label27[n] = std::to_string(n);
}

void DialogState::setTableLabelsEnabled(bool enabled) {
    Frame1Enabled = enabled;
    for (int i : {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 19, 20}) LabelEnabled[i] = enabled;
}

// ---- Links to the other windows and files ----

void DialogState::reloadProfile() { LoadProfile(app()); }

void DialogState::saveProfile() { SaveOT(app()); }

void DialogState::employeeScreenFromRecord() {
    // An unloaded profile screen shows the record itself when it opens.
    FrmTaxInfo& screen = app().frmTaxInfo();
    if (!screen.loaded) return;
    const EmployeeProfile& p = app().profile;
    screen.cboDepend2 = std::to_string(p.StateExemptions);
    screen.cboStatus2 = p.StateStatus;
    screen.txtFedAddL = plainNumber(p.FedAddL);
    screen.ckFedExemp = p.FedExempt ? 1 : 0;
    screen.ckSSMediExemp = p.SSMediExempt ? 1 : 0;
}

void DialogState::setLouisPriorVisible(bool visible) {
    // The pay sheet is the main window: it is loaded whenever this dialog is.
    app().form1().ckLouisPriorVisible = visible;
}

void DialogState::writeDefaultFiles() {
    App& a = app();
    const std::string current = a.UserFile;
    // The profile writer takes the employee's name from the save prompt's
    // box: empty it so every writer produces the default files.
    FrmSaveUser& prompt = a.frmSaveUser();
    prompt.ensureLoaded();
    prompt.txtSaveUser.clear();
    a.UserFile.clear();
    saveEmployeeFiles(a);
    // The windows holding the current employee close (this dialog among them).
    closeEmployeeWindows(a);
    prompt.unload();
    a.UserFile = current;
}

}  // namespace qv
