#include "employee/profile_files.h"

#include "common/file_io.h"
#include "common/format.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "common/record_line.h"
#include "employee/frm_tax_info.h"
#include "overtime/form2.h"
#include "paysheet/app.h"
#include "state/state_files.h"

namespace qv {

namespace {

// The tracker's screen shows these values formatted; the file has always held
// what the screen shows, read back as a number.
double asShown(float v, std::string_view fmt) { return convertNumber(formatNumber(v, fmt)).value_or(0.0); }

// The whole text of an employee file that exists; an unreadable one counts as
// corrupt.
std::string contentOf(const App& app, std::string_view ext) {
    const std::string name = app.UserFile + std::string(ext);
    auto content = readWholeFile(app.userPath(ext));
    if (!content) throw RecordReadError(name, name + ": cannot be read");
    return *content;
}

// The state settings that ride in the profile files.
void carryStateFields(const StateTaxSettings& from, StateTaxSettings& to) {
    to.UseWisconApril = from.UseWisconApril;
    to.SpouseWorks = from.SpouseWorks;
    to.CalAllow = from.CalAllow;
    to.RoundState = from.RoundState;
    to.UseUtah = from.UseUtah;
    to.UseWiscon = from.UseWiscon;
    to.UseAlabama = from.UseAlabama;
    to.UseNC = from.UseNC;
}

// A save always leaves one frequency and one K plan kind chosen.
void mendBeforeSave(EmployeeProfile& p) {
    if (!p.Weekly && !p.BiWeekly) p.Weekly = true;
    if (p.KpPer != 1 && p.KpFix != 1) p.KpPer = 1;
    if (p.KpPer == 1) p.KpFix = 0;
    else p.KpPer = 0;
}

}  // namespace

bool ProfileFileExists(const App& app, std::string_view ext) { return fileExists(app.userPath(ext)); }

std::string useFileText(const ProfileFileSet& s) {
    const EmployeeProfile& p = s.profile;
    const OvertimeTracker& ot = s.overtime;
    RecordWriter w;
    w.num(ot.OtEarned).num(asShown(ot.OtMax, kFmtDollarOpt)).num(asShown(ot.OtAvail, kFmtDollarOpt)).endLine();
    w.num(ot.AnnualSalary).num(ot.ApPercent).num(asShown(ot.OtPercent, kFmtTwoPlaces)).endLine();
    w.num(p.HourRate).num(p.HourRate2).num(p.TipsRate).endLine();
    w.text(p.FedExemptions).text(p.FedStatus).num(p.PensionPct).endLine();
    w.num(p.CrUnion).num(p.Bond).num(p.HealthIns).endLine();
    w.num(p.Dues).num(p.KPlan).integer(p.NonCity).endLine();
    w.boolean(p.Weekly).boolean(p.BiWeekly).text(p.DedName5).endLine();
    w.text(p.DedName6).text(p.DedName7).text(p.DedName8).text(p.DedName9).endLine();
    w.integer(s.state.UseWisconApril).value(p.SpareVar[0]).value(p.SpareVar[1]).value(p.SpareVar[2]).endLine();
    for (std::size_t line = 0; line < 3; ++line) {
        const std::size_t first = 3 + line * 4;
        for (std::size_t i = first; i < first + 4; ++i) w.value(p.SpareVar[i]);
        w.endLine();
    }
    return w.str();
}

void readUseFile(std::string_view content, const std::string& fileName, ProfileFileSet& s) {
    RecordReader in(content, fileName, {3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4});
    EmployeeProfile& p = s.profile;
    OvertimeTracker& ot = s.overtime;
    ot.OtEarned = in.single();
    ot.OtMax = in.single();
    ot.OtAvail = in.single();
    ot.AnnualSalary = in.single();
    ot.ApPercent = in.single();
    ot.OtPercent = in.single();
    p.HourRate = in.single();
    p.HourRate2 = in.single();
    p.TipsRate = in.single();
    p.FedExemptions = in.text();
    p.FedStatus = in.text();
    p.PensionPct = in.single();
    p.CrUnion = in.single();
    p.Bond = in.single();
    p.HealthIns = in.single();
    p.Dues = in.single();
    p.KPlan = in.single();
    p.NonCity = in.integer();
    p.Weekly = in.boolean();
    p.BiWeekly = in.boolean();
    p.DedName5 = in.text();
    p.DedName6 = in.text();
    p.DedName7 = in.text();
    p.DedName8 = in.text();
    p.DedName9 = in.text();
    s.state.UseWisconApril = in.integer();
    for (auto& v : p.SpareVar) v = in.value();
}

std::string andFileText(const ProfileFileSet& s) {
    const EmployeeProfile& p = s.profile;
    const StateTaxSettings& st = s.state;
    RecordWriter w;
    w.num(p.CheckHorz).num(p.CheckVert).integer(st.SpouseWorks).endLine();
    w.num(st.CalAllow).num(p.SpareAmt1).num(p.SpareAmt2).endLine();
    w.num(p.SpareAmt3).num(p.SpareAmt4).num(p.SpareAmt5).endLine();
    w.boolean(p.SpareFlag1).boolean(p.SpareFlag2).boolean(p.SpareFlag3).endLine();
    w.text(p.EmpAddress).text(p.EmpCityStateZip).text(p.EmpSsn).endLine();
    w.text(p.EmpName).text(p.SpareText1).text(p.SpareText2).endLine();
    w.integer(st.RoundState).integer(st.UseUtah).integer(st.UseWiscon).integer(st.UseAlabama).endLine();
    w.integer(st.UseNC).integer(p.SpareInt1).integer(p.SpareInt2).endLine();
    w.integer(p.KpPer).integer(p.KpFix).endLine();
    return w.str();
}

void readAndFile(std::string_view content, const std::string& fileName, ProfileFileSet& s) {
    RecordReader in(content, fileName, {3, 3, 3, 3, 3, 3, 4, 3, 2});
    EmployeeProfile& p = s.profile;
    StateTaxSettings& st = s.state;
    p.CheckHorz = in.single();
    p.CheckVert = in.single();
    st.SpouseWorks = in.integer();
    st.CalAllow = in.single();
    p.SpareAmt1 = in.single();
    p.SpareAmt2 = in.single();
    p.SpareAmt3 = in.single();
    p.SpareAmt4 = in.single();
    p.SpareAmt5 = in.single();
    p.SpareFlag1 = in.boolean();
    p.SpareFlag2 = in.boolean();
    p.SpareFlag3 = in.boolean();
    p.EmpAddress = in.text();
    p.EmpCityStateZip = in.text();
    p.EmpSsn = in.text();
    p.EmpName = in.text();
    p.SpareText1 = in.text();
    p.SpareText2 = in.text();
    st.RoundState = in.integer();
    st.UseUtah = in.integer();
    st.UseWiscon = in.integer();
    st.UseAlabama = in.integer();
    st.UseNC = in.integer();
    p.SpareInt1 = in.integer();
    p.SpareInt2 = in.integer();
    p.KpPer = in.integer();
    p.KpFix = in.integer();
}

std::string cfeFileText(const ProfileFileSet& s) {
    RecordWriter w;
    w.num(s.profile.Cafe).integer(s.profile.CafeDeductState).integer(s.profile.SelfEmp).endLine();
    return w.str();
}

void readCfeFile(std::string_view content, const std::string& fileName, ProfileFileSet& s) {
    RecordReader in(content, fileName, {3});
    s.profile.Cafe = in.single();
    s.profile.CafeDeductState = in.integer();
    s.profile.SelfEmp = in.integer();
}

bool LoadProfile(App& app) {
    ProfileFileSet set{app.profile, app.overtime, app.state};
    try {
        if (ProfileFileExists(app, ".use")) readUseFile(contentOf(app, ".use"), app.UserFile + ".use", set);
        if (ProfileFileExists(app, ".and")) readAndFile(contentOf(app, ".and"), app.UserFile + ".and", set);
        if (ProfileFileExists(app, ".cfe")) readCfeFile(contentOf(app, ".cfe"), app.UserFile + ".cfe", set);
        const std::string_view ext = overtimeExt(set.profile.Weekly);
        if (OvertimeFileExists(app, ext)) {
            const std::string name = app.UserFile + std::string(ext);
            RecordReader in(contentOf(app, ext), name, overtimeRowsLayout(set.profile.Weekly));
            readOvertimeRows(in, set.overtime, set.profile.Weekly);
        }
    } catch (const RecordReadError& e) {
        app.fileDamaged(app.pathOf(e.fileName()));
        app.ui().message(corruptFileMessage(e.fileName()));
        return false;
    }
    app.profile = std::move(set.profile);
    app.overtime = std::move(set.overtime);
    carryStateFields(set.state, app.state);

    FrmTaxInfo& screen = app.frmTaxInfo();
    screen.showTableNotice();
    if (screen.loaded) screen.showProfile();
    // A tracker the user has open keeps what was typed there (the save takes
    // it); one loaded out of sight shows the rows just read.
    Form2& tracker = app.form2();
    if (tracker.loaded && !tracker.visible) tracker.FillInOT();
    return true;
}

bool writeEmployeeFile(App& app, std::string_view ext, const std::string& content) {
    std::string error;
    if (app.saveFile(app.userPath(ext), content, &error)) return true;
    app.ui().message(cannotSaveFileMessage(app.UserFile + std::string(ext), error));
    return false;
}

bool SaveOT(App& app) {
    mendBeforeSave(app.profile);
    const bool weekly = app.profile.Weekly;
    // Rows typed into an open tracker are saved as typed, TOTAL or not.
    Form2& tracker = app.form2();
    if (tracker.loaded) tracker.boxesIntoRecord();
    const std::size_t rows = otRowsInUse(weekly);
    for (std::size_t i = 0; i < rows; ++i)
        if (app.overtime.OtAmount[i].empty()) app.overtime.OtAmount[i] = "0";

    // The screen's frequency and K plan boxes follow what is saved.
    FrmTaxInfo& screen = app.frmTaxInfo();
    if (screen.loaded) screen.showFrequencyAndKPlan();

    ProfileFileSet set{app.profile, app.overtime, app.state};
    return writeEmployeeFile(app, ".use", useFileText(set)) && writeEmployeeFile(app, ".and", andFileText(set)) &&
           writeEmployeeFile(app, ".cfe", cfeFileText(set)) &&
           writeEmployeeFile(app, overtimeExt(weekly), overtimeRowsText(set.overtime, weekly));
}

}  // namespace qv
