#include "overtime/form2.h"

#include <cmath>

#include "common/date.h"
#include "common/format.h"
#include "common/key_filter.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "employee/profile_files.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"
#include "platform/printer.h"
#include "shell/frm_date.h"

namespace qv {

Form2& App::form2() { return formIn(form2_); }

namespace {

// The salary the tracker suggests when none is known, and the one a new
// employee starts with.
constexpr const char* kSuggestedSalary = "25600";
constexpr const char* kNewEmployeeSalary = "11440";
constexpr float kNewEmployeeSalaryValue = 11440;

// A box's text as a whole number when it is one, else its leading number
// (the boxes take only digits, blanks, "-" and ".", so "1-2" can be typed).
double boxNumber(const std::string& text) {
    if (auto v = convertNumber(text)) return *v;
    return valueOf(text);
}

float toSingle(double v) { return singleOf(v).value_or(0.0f); }

}  // namespace

Form2::Form2(App& app) : Form(app) { Caption = "OverTime Percentage"; }

std::span<const Control> Form2::controls() {
    using D = Form2;
    static constexpr Control kTable[] = {
        control<&D::Caption>("Caption").title(),
        control<&D::txtAnnual>("txtAnnual").onKeyPress<&D::txtAnnual_KeyPress>().selectsAll(),
        control<&D::txtApPercent>("txtApPercent").onKeyPress<&D::txtApPercent_KeyPress>().selectsAll(),
        control<&D::txtPercent>("txtPercent"),
        control<&D::lbEarned>("lbEarned"),
        control<&D::lbMax>("lbMax"),
        control<&D::lbAvail>("lbAvail"),
        control<&D::lbWk>("lbWk"),
        control<&D::lb_OT>("lb_OT"),
        control<&D::Text1>("Text1")
            .onKeyPress<&D::Text1_KeyPress>()
            .onKeyDown<&D::Text1_KeyDown>()
            .onClick<&D::Text1_Click>()
            .selectsAll(),
        control<&D::txtOT>("txtOT").onKeyPress<&D::txtOT_KeyPress>().onKeyDown<&D::txtOT_KeyDown>().selectsAll(),
        command<&D::cmdADD_Click>("cmdADD").caption("TOTAL"),
        command<&D::cmdAdvance_Click>("cmdAdvance").caption("New Week"),
        command<&D::cmdUndo_Click>("cmdUndo"),
        command<&D::cmdClose_Click>("cmdClose").caption("Back"),
        command<&D::cmdPrint_Click>("cmdPrint"),
    };
    return kTable;
}

void Form2::resetControls() {
    resetToDesign(*this, app());
    Width = kWeeklyWidth;
    secondColumnVisible = true;
    focusBox = Box::None;
    focusRow = 0;
    focusTextSelected = false;
}

int Form2::rowsInUse() const { return static_cast<int>(otRowsInUse(app().profile.Weekly)); }

// Bi-weekly, row 26 is in use but out of sight, the next to come into view.
int Form2::lastShownRow() const { return app().profile.Weekly ? 52 : 25; }

void Form2::FillInOT() {
    const OvertimeTracker& ot = app().overtime;
    txtAnnual = plainNumber(ot.AnnualSalary);
    txtApPercent = plainNumber(ot.ApPercent);
    if (txtAnnual.empty() || valueOf(txtAnnual) == 0) txtAnnual = kSuggestedSalary;
    const int n = rowsInUse();
    for (int i = 0; i < n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        Text1[r] = ot.OtWeekEnd[r];
        txtOT[r] = ot.OtAmount[r];
    }
}

void openOvertimeTracker(App& app) {
    Form2& f = app.form2();
    if (!f.loaded) {
        f.ensureLoaded();
        f.FillInOT();
        for (auto& amount : f.txtOT)
            if (amount.empty()) amount = "0";
    }
    Form1& sheet = app.form1();
    sheet.ensureLoaded();
    f.lb_OT = sheet.lbOverT;
    f.lbWk = sheet.txtWeek;
    f.secondColumnVisible = app.profile.Weekly;
    f.Width = app.profile.Weekly ? Form2::kWeeklyWidth : Form2::kBiWeeklyWidth;
    f.show();
}

void Form2::showResults() {
    const OvertimeTracker& ot = app().overtime;
    lbEarned = formatNumber(ot.OtEarned, kFmtDollarOpt);
    txtPercent = formatNumber(ot.OtPercent, kFmtPercent);
    lbMax = formatNumber(ot.OtMax, kFmtDollarOpt);
    lbAvail = formatNumber(ot.OtAvail, kFmtDollarOpt);
}

void Form2::boxesIntoRecord() {
    OvertimeTracker& ot = app().overtime;
    const int n = rowsInUse();
    for (int i = 0; i < n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        if (txtOT[r].empty()) txtOT[r] = "0";
        ot.OtWeekEnd[r] = Text1[r];
        ot.OtAmount[r] = txtOT[r];
    }
}

void Form2::total(bool remind) {
    ensureLoaded();
    if (txtAnnual.empty() || txtApPercent.empty() || (valueOf(txtAnnual) == 0 && valueOf(txtApPercent) == 0)) {
        if (remind) app().ui().message(kOvertimeReminder, "Attention");
        return;
    }
    OvertimeTracker& ot = app().overtime;
    const int n = rowsInUse();
    for (int i = 0; i < n; ++i)
        if (txtOT[static_cast<std::size_t>(i)].empty()) txtOT[static_cast<std::size_t>(i)] = "0";
    float earned = 0;
    for (int i = 0; i < n; ++i)
        earned = toSingle(static_cast<double>(ext(earned) + valueOf(txtOT[static_cast<std::size_t>(i)])));
    ot.OtEarned = earned;
    // A salary of 0 with a percentage leaves nothing to divide by: the share
    // is 0 rather than an infinity in the files.
    const double annual = valueOf(txtAnnual);
    ot.OtPercent = annual == 0 ? 0.0f : toSingle(static_cast<double>(ext(earned)) / annual);
    ot.AnnualSalary = toSingle(boxNumber(txtAnnual));
    ot.ApPercent = toSingle(boxNumber(txtApPercent));
    ot.OtMax = toSingle(valueOf(txtApPercent) * 0.01 * annual);
    ot.OtAvail = toSingle(static_cast<double>(ext(ot.OtMax) - ext(ot.OtEarned)));
    showResults();
    // The save takes the rows from the boxes.
    SaveOT(app());
}

void Form2::cmdADD_Click() { total(true); }

void Form2::Form_Paint() { total(false); }

void Form2::cmdAdvance_Click() {
    ensureLoaded();
    const int n = rowsInUse();
    for (int i = 0; i + 1 < n; ++i) {
        Text1[static_cast<std::size_t>(i)] = Text1[static_cast<std::size_t>(i + 1)];
        txtOT[static_cast<std::size_t>(i)] = txtOT[static_cast<std::size_t>(i + 1)];
    }
    Text1[static_cast<std::size_t>(n - 1)].clear();
    txtOT[static_cast<std::size_t>(n - 1)] = "0";
}

void Form2::cmdUndo_Click() {
    ensureLoaded();
    LoadProfile(app());
    const OvertimeTracker& ot = app().overtime;
    const int n = rowsInUse();
    for (int i = 0; i < n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        Text1[r] = ot.OtWeekEnd[r];
        txtOT[r] = ot.OtAmount[r];
    }
    txtAnnual = plainNumber(ot.AnnualSalary);
    txtApPercent = plainNumber(ot.ApPercent);
}

void Form2::cmdClose_Click() {
    ensureLoaded();
    SaveOT(app());
    unload();
}

void Form2::cmdPrint_Click() {
    ensureLoaded();
    if (!app().ui().choosePrinter()) return;
    // The picture is a document of its own.
    if (app().printer) app().printer->printWindowImage("Form2");
}

void Form2::ClearAll() {
    ensureLoaded();
    OvertimeTracker& ot = app().overtime;
    const int n = rowsInUse();
    for (int i = 0; i < n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        txtOT[r] = "0";
        ot.OtAmount[r] = "0";
        Text1[r].clear();
        ot.OtWeekEnd[r].clear();
    }
    if (valueOf(txtAnnual) == 0) txtAnnual = kNewEmployeeSalary;
    txtApPercent = "0";
    ot.OtEarned = 0;
    ot.OtPercent = 0;
    ot.AnnualSalary = kNewEmployeeSalaryValue;
    ot.ApPercent = 0;
    ot.OtMax = toSingle(valueOf(txtApPercent) * 0.01 * valueOf(txtAnnual));
    ot.OtAvail = toSingle(static_cast<double>(ext(ot.OtMax) - ext(ot.OtEarned)));
    showResults();
}

void Form2::Text1_Click(int row) {
    if (row < 0 || row >= rowsInUse()) return;
    app().datePickerRow = row;
    app().frmDate().openForTracker();
}

void Form2::gotFocus(Box box, int row) {
    focusBox = box;
    focusRow = row;
    focusTextSelected = true;
}

void Form2::txtOT_KeyPress(int row, char& KeyAscii) {
    if (KeyAscii == '\r') {
        KeyAscii = 0;
        gotFocus(Box::Amount, row >= lastShownRow() ? 0 : row + 1);
        return;
    }
    if (!numericKeyAccepted(KeyAscii)) KeyAscii = 0;
}

void Form2::Text1_KeyPress(int row, char& KeyAscii) {
    if (KeyAscii == '\r') {
        KeyAscii = 0;
        gotFocus(Box::WeekEnd, row >= lastShownRow() ? 0 : row + 1);
    }
}

void Form2::txtAnnual_KeyPress(char& KeyAscii) {
    if (!numericKeyAccepted(KeyAscii)) KeyAscii = 0;
}

void Form2::txtApPercent_KeyPress(char& KeyAscii) {
    if (!numericKeyAccepted(KeyAscii)) KeyAscii = 0;
}

void Form2::txtOT_KeyDown(int row, int KeyCode) {
    const int sideRows = app().profile.Weekly ? 51 : 26;
    if (KeyCode == kKeyDown && row < lastShownRow()) gotFocus(Box::Amount, row + 1);
    else if (KeyCode == kKeyUp && row >= 1) gotFocus(Box::Amount, row - 1);
    else if (KeyCode == kKeyLeft && row >= 0 && row <= sideRows) gotFocus(Box::WeekEnd, row);
}

void Form2::Text1_KeyDown(int row, int KeyCode) {
    const int sideRows = app().profile.Weekly ? 51 : 26;
    if (KeyCode == kKeyDown && row < lastShownRow()) gotFocus(Box::WeekEnd, row + 1);
    else if (KeyCode == kKeyUp && row >= 1) gotFocus(Box::WeekEnd, row - 1);
    else if (KeyCode == kKeyRight && row >= 0 && row <= sideRows) gotFocus(Box::Amount, row);
}

}  // namespace qv
