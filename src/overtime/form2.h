// The overtime allowance tracker "OverTime Percentage": a rolling log of past
// periods' overtime pay against the allowance an approved percentage of the
// annual salary gives. It edits the OvertimeTracker record, which the
// employee's profile files carry.
#pragma once

#include <array>
#include <string>

#include "overtime/overtime_tracker.h"
#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class Form2 : public Form {
public:
    explicit Form2(App& app);

    static constexpr int kWeeklyWidth = 7725;
    static constexpr int kBiWeeklyWidth = 5055;
    // Key codes of the moves between boxes.
    static constexpr int kKeyEnter = 13;
    static constexpr int kKeyLeft = 37;
    static constexpr int kKeyUp = 38;
    static constexpr int kKeyRight = 39;
    static constexpr int kKeyDown = 40;

    // Every control of the window.
    static std::span<const Control> controls();

    std::string Caption;
    int Width = kWeeklyWidth;
    // The second column of rows (26 to 52) and its headings.
    bool secondColumnVisible = true;

    std::string txtAnnual;     // "Annual Salary"
    std::string txtApPercent;  // "Enter Your Approved Percentage"
    std::string txtPercent;    // "You are at"
    std::string lbEarned;      // "OverTime Earned"
    std::string lbMax;         // "Max. allowable amount at approved percentage"
    std::string lbAvail;       // "Available overtime left"
    std::string lbWk;          // the pay sheet's pay date when opened
    std::string lb_OT;         // the pay sheet's overtime pay when opened
    std::array<std::string, kOtRows> Text1{};  // week-ending dates
    std::array<std::string, kOtRows> txtOT{};  // overtime amounts

    // Which box has the focus, and whether its whole text is selected.
    enum class Box { None, Annual, ApPercent, WeekEnd, Amount };
    Box focusBox = Box::None;
    int focusRow = 0;
    bool focusTextSelected = false;

    // Fills the boxes from the record.
    void FillInOT();
    // Resets the record and the boxes for a new employee.
    void ClearAll();

    // TOTAL: recomputes the results and saves the employee's files. Asks
    // for the salary and percentage when they are missing.
    void cmdADD_Click();
    // The window is redrawn: the results are recomputed and saved as by
    // TOTAL, but a missing salary or percentage is not asked for again.
    void Form_Paint();
    void cmdAdvance_Click();  // New Week
    void cmdUndo_Click();
    void cmdClose_Click();    // Back
    void cmdPrint_Click();

    // A click in a week-ending box opens the date picker for its row.
    void Text1_Click(int row);
    // Typed characters: a refused key becomes 0. Enter moves on.
    void txtOT_KeyPress(int row, char& KeyAscii);
    void Text1_KeyPress(int row, char& KeyAscii);
    void txtAnnual_KeyPress(char& KeyAscii);
    void txtApPercent_KeyPress(char& KeyAscii);
    // Arrow keys.
    void txtOT_KeyDown(int row, int KeyCode);
    void Text1_KeyDown(int row, int KeyCode);
    // Entering a box selects its whole text.
    void gotFocus(Box box, int row = 0);

protected:
    void resetControls() override;

private:
    int rowsInUse() const;
    int lastShownRow() const;
    // TOTAL's work; `remind` shows the reminder when a box is missing.
    void total(bool remind);
    void showResults();
    void boxesIntoRecord();
};

// The pay sheet's "OT %" command and its cmdOT button: prepares the tracker
// when it is not open, shows the pay sheet's pay date and overtime pay on it,
// shapes it by pay frequency and shows it beside the pay sheet.
void openOvertimeTracker(App& app);

}  // namespace qv
