#include "employee/frm_tax_info.h"

#include <optional>

#include "common/format.h"
#include "common/key_filter.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "paysheet/box_copy.h"
#include "employee/frm_save_user.h"
#include "employee/profile_files.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"

namespace qv {

FrmTaxInfo& App::frmTaxInfo() { return formIn(frmTaxInfo_); }

namespace {

float boxValue(const std::string& text) { return singleOf(valueOf(text)).value_or(0.0f); }

// A rate box converted as a whole; blank reads as 0.
std::optional<float> rateOf(const std::string& text) {
    if (text.find_first_not_of(" \t") == std::string::npos) return 0.0f;
    return convertSingle(text);
}

// An exemption count 0 to 9; blank reads as 0.
std::optional<int> exemptionsOf(const std::string& text) {
    if (text.find_first_not_of(" \t") == std::string::npos) return 0;
    auto v = convertNumber(text);
    return v ? allowanceEntry(*v) : std::nullopt;
}

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

FrmTaxInfo::FrmTaxInfo(App& app) : Form(app) {}

bool FrmTaxInfo::amountBoxAccepts(char key) { return numericKeyAccepted(key); }

std::array<std::string*, 5> FrmTaxInfo::captionBoxes() { return {&txtTax5, &txtTax6, &txtTax7, &txtTax8, &txtTax9}; }

std::span<const Control> FrmTaxInfo::controls() {
    static constexpr Control kTable[] = {
        control<&FrmTaxInfo::cboStatus>("cboStatus").tip("Set Status").selectsAll(),
        control<&FrmTaxInfo::cboDepend>("cboDepend").tip("Set Exemptions").selectsAll(),
        control<&FrmTaxInfo::cboStatus2>("cboStatus2").selectsAll(),
        control<&FrmTaxInfo::cboDepend2>("cboDepend2").selectsAll(),
        control<&FrmTaxInfo::optWeek>("optWeek").caption("Weekly"),
        control<&FrmTaxInfo::optBiWeek>("optBiWeek").caption("Bi-Weekly"),
        control<&FrmTaxInfo::ckSelfEmp>("ckSelfEmp").caption("Self Employed"),
        control<&FrmTaxInfo::ckFedExemp>("ckFedExemp").caption("Federal Tax Exempt"),
        control<&FrmTaxInfo::ckNonCity>("ckNonCity").caption("NON-CITY Resident"),
        control<&FrmTaxInfo::ckSSMediExemp>("ckSSMediExemp").caption("Soc. Sec.  Medicare Tax Exempt"),
        control<&FrmTaxInfo::txtName>("txtName"),
        control<&FrmTaxInfo::txtAddress>("txtAddress"),
        control<&FrmTaxInfo::txtStateCityZip>("txtStateCityZip"),
        control<&FrmTaxInfo::txtSSnum>("txtSSnum"),
        control<&FrmTaxInfo::txtTax5>("txtTax5"),
        control<&FrmTaxInfo::txtTax6>("txtTax6"),
        control<&FrmTaxInfo::txtTax7>("txtTax7"),
        control<&FrmTaxInfo::txtTax8>("txtTax8"),
        control<&FrmTaxInfo::txtTax9>("txtTax9"),
        control<&FrmTaxInfo::txtMuni>("txtMuni").onKeyPress<&FrmTaxInfo::amountBoxAccepts>().selectsAll(),
        control<&FrmTaxInfo::txtBond>("txtBond").onKeyPress<&FrmTaxInfo::amountBoxAccepts>().selectsAll(),
        control<&FrmTaxInfo::txtDues>("txtDues").onKeyPress<&FrmTaxInfo::amountBoxAccepts>().selectsAll(),
        control<&FrmTaxInfo::txtPension>("txtPension").onKeyPress<&FrmTaxInfo::amountBoxAccepts>().selectsAll(),
        control<&FrmTaxInfo::txtMisc>("txtMisc").onKeyPress<&FrmTaxInfo::amountBoxAccepts>().selectsAll(),
        control<&FrmTaxInfo::txtKplan>("txtKplan").onKeyPress<&FrmTaxInfo::amountBoxAccepts>().selectsAll(),
        control<&FrmTaxInfo::ckKpFix>("ckKpFix").caption("$").onClick<&FrmTaxInfo::ckKpFix_Click>(),
        control<&FrmTaxInfo::ckKpPer>("ckKpPer").caption("%").onClick<&FrmTaxInfo::ckKpPer_Click>(),
        control<&FrmTaxInfo::txtCafe>("txtCafe").onKeyPress<&FrmTaxInfo::amountBoxAccepts>().selectsAll(),
        control<&FrmTaxInfo::ckCafeState>("ckCafeState").caption("Deduct State"),
        control<&FrmTaxInfo::txtHourRate>("txtHourRate").onKeyPress<&FrmTaxInfo::amountBoxAccepts>().selectsAll(),
        control<&FrmTaxInfo::txtHourRate2>("txtHourRate2").onKeyPress<&FrmTaxInfo::amountBoxAccepts>().selectsAll(),
        control<&FrmTaxInfo::txtTipsRate>("txtTipsRate").onKeyPress<&FrmTaxInfo::amountBoxAccepts>().selectsAll(),
        control<&FrmTaxInfo::txtFedAddL>("txtFedAddL").onKeyPress<&FrmTaxInfo::amountBoxAccepts>().selectsAll(),
        command<&FrmTaxInfo::cmdOk_Click>("cmdOk").caption("Save"),
        command<&FrmTaxInfo::Command1_Click>("Command1").caption("Close"),
    };
    return kTable;
}

void FrmTaxInfo::resetControls() { resetToDesign(*this, app()); }

void FrmTaxInfo::Form_Load() { openingSequence(); }

void FrmTaxInfo::open() {
    if (loaded) openingSequence();
    else ensureLoaded();
    visible = true;
}

void FrmTaxInfo::openingSequence() {
    EmployeeProfile& p = app().profile;
    if (p.FedExemptions.empty()) p.FedExemptions = "0";
    if (p.FedStatus.empty()) p.FedStatus = "Single";
    if (p.StateStatus.empty() || p.StateStatus == "0") p.StateStatus = "Single";
    if (p.EmpName.empty()) p.EmpName = "Employee's Name";
    if (p.EmpAddress.empty()) p.EmpAddress = "Employee's Address for Check";
    if (p.EmpCityStateZip.empty()) p.EmpCityStateZip = "City, State Zip Code";
    if (p.EmpSsn.empty()) p.EmpSsn = "Soc Sec #";
    if (!p.Weekly && !p.BiWeekly) p.Weekly = true;
    if (p.KpPer == 1) p.KpFix = 0;
    else if (p.KpFix == 1) p.KpPer = 0;
    else p.KpPer = 1;

    showProfile();
    auto boxes = captionBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]->empty()) *boxes[i] = kDefaultDedNames[i];
    if (boxValue(txtHourRate) == 0) txtHourRate = kDefaultRateText;
    fillVar_();
}

void FrmTaxInfo::showProfile() {
    const EmployeeProfile& p = app().profile;
    txtHourRate = plainNumber(p.HourRate);
    txtHourRate2 = plainNumber(p.HourRate2);
    txtTipsRate = plainNumber(p.TipsRate);
    txtPension = plainNumber(p.PensionPct);
    txtMuni = plainNumber(p.CrUnion);
    txtBond = plainNumber(p.Bond);
    txtMisc = plainNumber(p.HealthIns);
    txtDues = plainNumber(p.Dues);
    txtKplan = plainNumber(p.KPlan);
    txtCafe = plainNumber(p.Cafe);
    txtFedAddL = plainNumber(p.FedAddL);
    cboDepend = p.FedExemptions;
    cboStatus = p.FedStatus;
    cboDepend2 = std::to_string(p.StateExemptions);
    cboStatus2 = p.StateStatus;
    ckNonCity = p.NonCity;
    ckCafeState = p.CafeDeductState;
    ckSelfEmp = p.SelfEmp;
    ckFedExemp = p.FedExempt;
    ckSSMediExemp = p.SSMediExempt;
    txtAddress = p.EmpAddress;
    txtStateCityZip = p.EmpCityStateZip;
    txtSSnum = p.EmpSsn;
    txtName = p.EmpName;
    txtTax5 = p.DedName5;
    txtTax6 = p.DedName6;
    txtTax7 = p.DedName7;
    txtTax8 = p.DedName8;
    txtTax9 = p.DedName9;
    showFrequencyAndKPlan();
}

void FrmTaxInfo::showFrequencyAndKPlan() {
    const EmployeeProfile& p = app().profile;
    optWeek = p.Weekly;
    optBiWeek = p.BiWeekly;
    setCkKpFix(p.KpFix);
    setCkKpPer(p.KpPer);
}

void FrmTaxInfo::setCkKpFix(int v) {
    ckKpFix = v;
    ckKpFix_Click();
}

void FrmTaxInfo::setCkKpPer(int v) {
    ckKpPer = v;
    ckKpPer_Click();
}

void FrmTaxInfo::ckKpFix_Click() {
    if (ckKpFix == 1) ckKpPer = 0;
}

void FrmTaxInfo::ckKpPer_Click() {
    if (ckKpPer == 1) ckKpFix = 0;
}

bool FrmTaxInfo::fillVar_() {
    // A rate box left at 0 takes the default rate, shown in the box too.
    const std::string hourRateText = boxValue(txtHourRate) == 0 ? std::string(kDefaultRateText) : txtHourRate;
    const BoxCopy copy =
        copyBoxesInto(app().profile, [&](EmployeeProfile& p, BoxReader& read) {
            read(hourRateText, p.HourRate, rateOf, kHourRate1NotNumber);
            read(txtHourRate2, p.HourRate2, rateOf, kHourRate2NotNumber);
            read(txtTipsRate, p.TipsRate, rateOf, kTipsRateNotNumber);
            read.check(cboDepend, exemptionsOf, kFederalExemptionsRange);
            read(cboDepend2, p.StateExemptions, exemptionsOf, kStateExemptionsRange);

            p.FedExemptions = isBlank(cboDepend) ? std::string("0") : cboDepend;
            p.FedStatus = isBlank(cboStatus) ? std::string("Single") : cboStatus;
            p.StateStatus = isBlank(cboStatus2) ? std::string("Single") : cboStatus2;

            p.PensionPct = boxValue(txtPension);
            p.CrUnion = boxValue(txtMuni);
            p.Bond = boxValue(txtBond);
            p.HealthIns = boxValue(txtMisc);
            p.Dues = boxValue(txtDues);
            p.KPlan = boxValue(txtKplan);
            p.FedAddL = boxValue(txtFedAddL);
            p.Cafe = boxValue(txtCafe);

            p.NonCity = static_cast<std::int16_t>(ckNonCity);
            p.FedExempt = static_cast<std::int16_t>(ckFedExemp);
            p.SSMediExempt = static_cast<std::int16_t>(ckSSMediExemp);
            p.KpPer = static_cast<std::int16_t>(ckKpPer);
            p.KpFix = static_cast<std::int16_t>(ckKpFix);
            p.CafeDeductState = static_cast<std::int16_t>(ckCafeState);
            p.SelfEmp = static_cast<std::int16_t>(ckSelfEmp);
            p.Weekly = optWeek;
            p.BiWeekly = optBiWeek;

            p.EmpAddress = txtAddress;
            p.EmpCityStateZip = txtStateCityZip;
            p.EmpSsn = txtSSnum;
            p.EmpName = txtName;
            p.DedName5 = txtTax5;
            p.DedName6 = txtTax6;
            p.DedName7 = txtTax7;
            p.DedName8 = txtTax8;
            p.DedName9 = txtTax9;
        });
    if (!copy) {
        app().ui().message(copy.refusedBox, kCaption);
        return false;
    }
    txtHourRate = hourRateText;

    showDeductionCaptions();
    showTableNotice();
    return SaveOT(app());
}

void FrmTaxInfo::ClearAll() {
    EmployeeProfile& p = app().profile;
    p.HourRate = p.HourRate2 = p.TipsRate = 0;
    p.StateExemptions = 0;
    p.FedAddL = p.PensionPct = p.CrUnion = p.Bond = p.HealthIns = p.Dues = p.KPlan = p.Cafe = 0;
    p.NonCity = p.FedExempt = p.SSMediExempt = p.CafeDeductState = p.SelfEmp = 0;
    p.FedExemptions = "0";
    p.FedStatus = "Single";
    p.StateStatus = "Single";
    p.Weekly = true;
    p.BiWeekly = false;
    p.KpPer = 1;
    p.KpFix = 0;
    p.EmpAddress = "Employee's Address for Check";
    p.EmpCityStateZip = "City, State Zip Code";
    p.EmpSsn = "Soc Sec #";
    p.EmpName = "Employee's Name";
    p.DedName5 = kNewDedNames[0];
    p.DedName6 = kNewDedNames[1];
    p.DedName7 = kNewDedNames[2];
    p.DedName8 = kNewDedNames[3];
    p.DedName9 = kNewDedNames[4];
    // A screen not loaded shows the reset values when it next opens.
    if (loaded) {
        showProfile();
        txtHourRate = kDefaultRateText;
    }
}

void FrmTaxInfo::cmdOk_Click() {
    if (!fillVar_()) return;
    saveEverything();
    unload();
}

void FrmTaxInfo::Command1_Click() { unload(); }

void FrmTaxInfo::showDeductionCaptions() {
    Form1& sheet = app().form1();
    auto boxes = captionBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) sheet.lbTaxTag[5 + i] = *boxes[i];
}

void FrmTaxInfo::showTableNotice() {
    app().form1().lbTableNotice = app().profile.Weekly ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";
}

void FrmTaxInfo::saveEverything() { app().frmSaveUser().cmdSaveUser_Click(); }

}  // namespace qv
