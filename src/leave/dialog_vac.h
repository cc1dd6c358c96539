// The leave window "Vacation / Holiday / Sick": for each kind a start balance,
// twenty rows of a date and the days taken, and the remaining balance, which
// follows every keystroke. Its boxes are the working copy of LeaveBalances.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "leave/leave_balances.h"
#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class DialogVac : public Form {
public:
    explicit DialogVac(App& app);

    static constexpr std::string_view kCaption = "Vacation / Holiday / Sick";
    static constexpr std::string_view kHeading = "SAVED / ACCUMULATED DAYS";

    enum class Kind { Vacation, Holiday, Sick };

    // Every control of the window.
    static std::span<const Control> controls();

    // "Start Balance"
    std::string txtVacBal, txtHolBal, txtSickBal;
    // "Balance"
    std::string lbVacBal, lbHolBal, lbSickBal;
    // "Dates" and "#Taken", rows 0 to 19.
    std::array<std::string, kLeaveRows> txtVdate{}, txtHdate{}, txtSdate{};
    std::array<std::string, kLeaveRows> txtVcnt{}, txtHcnt{}, txtScnt{};

    // Menu "&Vacation" / the pay sheet's button: re-reads the record (and the
    // leave file when the employee has one) and shows the window.
    void open();
    // Reads the leave file of `UserFile` when it exists, then shows every
    // field. False when the file exists but cannot be read; the record is then
    // unchanged.
    bool GetVac();
    // Copies the window into the record and writes the leave file. False when
    // the file could not be written (a message names it).
    bool SaveVac();
    // Empties the log: dates empty, days "0", start balances "0", fields 0.
    void clearVac();

    // "Save"
    void OKButton_Click();
    // "Clear All"
    void cmdClear_Click();
    // "&Help": the help file at its contents.
    void mnuHelp_Click();
    // Closing the window without "Save": the edits stay in the boxes until the
    // next opening re-reads the record.
    void close() { hide(); }

    // The text boxes of a kind.
    std::string& startBox(Kind k);
    std::string& balanceLabel(Kind k);
    std::array<std::string, kLeaveRows>& dateBoxes(Kind k);
    std::array<std::string, kLeaveRows>& daysBoxes(Kind k);

    // A key typed into a start balance or days box: only "0123456789 -." and
    // backspace reach it; the balance follows. False when the key was refused.
    bool startBox_KeyPress(Kind k, char key);
    bool daysBox_KeyPress(Kind k, std::size_t row, char key);
    // A start balance or days box whose text the view replaced.
    void box_Change(Kind k) { recompute(k); }
    // A click in a date box: the week-ending picker for that row, modal; the
    // dates it offers are written into the box.
    void dateBox_Click(Kind k, std::size_t row);

    // The same events as the window's boxes raise them: a start balance or
    // days box of a kind changed (the box already took the typed key), and a
    // click in a row's date box.
    void vacation_Change() { recompute(Kind::Vacation); }
    void holiday_Change() { recompute(Kind::Holiday); }
    void sick_Change() { recompute(Kind::Sick); }
    void txtVdate_Click(int row) { dateBox_Click(Kind::Vacation, static_cast<std::size_t>(row)); }
    void txtHdate_Click(int row) { dateBox_Click(Kind::Holiday, static_cast<std::size_t>(row)); }
    void txtSdate_Click(int row) { dateBox_Click(Kind::Sick, static_cast<std::size_t>(row)); }

    // Sums the days boxes of a kind and shows start minus the sum.
    void recompute(Kind k);

protected:
    void Form_Load() override;
    void resetControls() override;

private:
    void openingSequence();
    bool readAndShow();
    void showFields();
    float balanceOf(Kind k);
    bool lastReadOk_ = true;
};

}  // namespace qv
