#include "leave/dialog_vac.h"

#include "common/date.h"
#include "common/format.h"
#include "common/key_filter.h"
#include "common/numbers.h"
#include "paysheet/app.h"
#include "shell/frm_date.h"
#include "shell/help.h"

namespace qv {

DialogVac& App::dialogVac() { return formIn(dialogVac_); }

namespace {

constexpr DialogVac::Kind kKinds[] = {DialogVac::Kind::Vacation, DialogVac::Kind::Holiday, DialogVac::Kind::Sick};

float boxValue(const std::string& text) { return singleOf(valueOf(text)).value_or(0.0f); }

struct KindFields {
    float* bal;
    float* start;
    std::array<float, kLeaveRows>* taken;
    std::array<std::string, kLeaveRows>* date;
};

KindFields fieldsOf(LeaveBalances& lv, DialogVac::Kind k) {
    switch (k) {
        case DialogVac::Kind::Vacation: return {&lv.VacBal, &lv.VacStart, &lv.VacTaken, &lv.VacDate};
        case DialogVac::Kind::Holiday: return {&lv.HolBal, &lv.HolStart, &lv.HolTaken, &lv.HolDate};
        case DialogVac::Kind::Sick: break;
    }
    return {&lv.SickBal, &lv.SickStart, &lv.SickTaken, &lv.SickDate};
}

// Applies one key to a box's text as the text box would: backspace drops the
// last character, anything else is appended.
void typeKey(std::string& box, char key) {
    if (key == kBackspace) {
        if (!box.empty()) box.pop_back();
    } else {
        box.push_back(key);
    }
}

}  // namespace

DialogVac::DialogVac(App& app) : Form(app) {}

std::string& DialogVac::startBox(Kind k) {
    return k == Kind::Vacation ? txtVacBal : k == Kind::Holiday ? txtHolBal : txtSickBal;
}
std::string& DialogVac::balanceLabel(Kind k) {
    return k == Kind::Vacation ? lbVacBal : k == Kind::Holiday ? lbHolBal : lbSickBal;
}
std::array<std::string, kLeaveRows>& DialogVac::dateBoxes(Kind k) {
    return k == Kind::Vacation ? txtVdate : k == Kind::Holiday ? txtHdate : txtSdate;
}
std::array<std::string, kLeaveRows>& DialogVac::daysBoxes(Kind k) {
    return k == Kind::Vacation ? txtVcnt : k == Kind::Holiday ? txtHcnt : txtScnt;
}

std::span<const Control> DialogVac::controls() {
    using D = DialogVac;
    static constexpr Control kTable[] = {
        control<&D::txtVacBal>("txtVacBal").onKeyPress<&numericKeyAccepted>().onChange<&D::vacation_Change>().selectsAll(),
        control<&D::txtHolBal>("txtHolBal").onKeyPress<&numericKeyAccepted>().onChange<&D::holiday_Change>().selectsAll(),
        control<&D::txtSickBal>("txtSickBal").onKeyPress<&numericKeyAccepted>().onChange<&D::sick_Change>().selectsAll(),
        control<&D::lbVacBal>("lbVacBal"),
        control<&D::lbHolBal>("lbHolBal"),
        control<&D::lbSickBal>("lbSickBal"),
        control<&D::txtVdate>("txtVdate").onClick<&D::txtVdate_Click>().selectsAll(),
        control<&D::txtHdate>("txtHdate").onClick<&D::txtHdate_Click>().selectsAll(),
        control<&D::txtSdate>("txtSdate").onClick<&D::txtSdate_Click>().selectsAll(),
        control<&D::txtVcnt>("txtVcnt").onKeyPress<&numericKeyAccepted>().onChange<&D::vacation_Change>().selectsAll(),
        control<&D::txtHcnt>("txtHcnt").onKeyPress<&numericKeyAccepted>().onChange<&D::holiday_Change>().selectsAll(),
        control<&D::txtScnt>("txtScnt").onKeyPress<&numericKeyAccepted>().onChange<&D::sick_Change>().selectsAll(),
        command<&D::OKButton_Click>("OKButton").caption("Save"),
        command<&D::cmdClear_Click>("cmdClear").caption("Clear All"),
        command<&D::mnuHelp_Click>("mnuHelp").caption("&Help"),
    };
    return kTable;
}

void DialogVac::resetControls() { resetToDesign(*this, app()); }

void DialogVac::Form_Load() { openingSequence(); }

void DialogVac::open() {
    if (loaded) openingSequence();
    else ensureLoaded();
    visible = true;
}

void DialogVac::openingSequence() {
    lastReadOk_ = readAndShow();
    for (Kind k : kKinds) {
        if (startBox(k).empty()) startBox(k) = "0";
        recompute(k);
    }
}

bool DialogVac::readAndShow() {
    const bool ok = loadLeaveFile(app());
    showFields();
    return ok;
}

void DialogVac::showFields() {
    LeaveBalances& lv = app().leave;
    for (Kind k : kKinds) {
        KindFields f = fieldsOf(lv, k);
        balanceLabel(k) = plainNumber(*f.bal);
        startBox(k) = plainNumber(*f.start);
        for (std::size_t i = 0; i < kLeaveRows; ++i) {
            daysBoxes(k)[i] = plainNumber((*f.taken)[i]);
            dateBoxes(k)[i] = (*f.date)[i];
        }
    }
}

bool DialogVac::GetVac() {
    if (!loaded) {
        ensureLoaded();
        return lastReadOk_;
    }
    return readAndShow();
}

float DialogVac::balanceOf(Kind k) {
    // The days are added in single precision, one box at a time.
    float taken = 0;
    for (const auto& box : daysBoxes(k)) taken = sgl(ext(taken) + ext(boxValue(box)));
    return sgl(ext(boxValue(startBox(k))) - ext(taken));
}

void DialogVac::recompute(Kind k) { balanceLabel(k) = plainNumber(balanceOf(k)); }

bool DialogVac::SaveVac() {
    ensureLoaded();
    LeaveBalances& lv = app().leave;
    for (Kind k : kKinds) {
        KindFields f = fieldsOf(lv, k);
        for (std::size_t i = 0; i < kLeaveRows; ++i) {
            (*f.taken)[i] = boxValue(daysBoxes(k)[i]);
            (*f.date)[i] = dateBoxes(k)[i];
        }
        // The balance is what its label shows; the label follows the boxes.
        recompute(k);
        *f.bal = convertSingle(balanceLabel(k)).value_or(0.0f);
        *f.start = boxValue(startBox(k));
    }
    return saveLeaveFile(app());
}

void DialogVac::clearVac() {
    ensureLoaded();
    app().leave = LeaveBalances{};
    for (Kind k : kKinds) {
        startBox(k) = "0";
        for (auto& s : dateBoxes(k)) s.clear();
        for (auto& s : daysBoxes(k)) s = "0";
        recompute(k);
    }
}

void DialogVac::OKButton_Click() {
    // A failed write keeps the window open with the user's entries.
    if (SaveVac()) hide();
}

void DialogVac::cmdClear_Click() { clearVac(); }

void DialogVac::mnuHelp_Click() { showHelp(app(), platform::HelpTopic::Contents); }

bool DialogVac::startBox_KeyPress(Kind k, char key) {
    if (!numericKeyAccepted(key)) return false;
    typeKey(startBox(k), key);
    recompute(k);
    return true;
}

bool DialogVac::daysBox_KeyPress(Kind k, std::size_t row, char key) {
    if (row >= kLeaveRows || !numericKeyAccepted(key)) return false;
    typeKey(daysBoxes(k)[row], key);
    recompute(k);
    return true;
}

void DialogVac::dateBox_Click(Kind k, std::size_t row) {
    if (row >= kLeaveRows) return;
    app().datePickerRow = static_cast<int>(row);
    app().frmDate().openForLeave(k);
}

}  // namespace qv
