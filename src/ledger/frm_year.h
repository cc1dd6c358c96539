// The ledger grid: one row of cells per pay period. Posting the pay sheet's
// period into a row, deleting a row, clearing the year and copying the grid
// into the record live here.
#pragma once

#include <array>
#include <string>

#include "paysheet/pay_sheet_snapshot.h"
#include "ledger/year_ledger.h"
#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

enum class MouseButton { Left, Right, Middle };

class FrmYear : public Form {
public:
    using Column = std::array<std::string, kLedgerSlots>;

    explicit FrmYear(App& app);

    // Every control of the window.
    static std::span<const Control> controls();

    // Window geometry in twips.
    static constexpr int kWeeklyHeight = 12075;
    static constexpr int kBiWeeklyLoadHeight = 6165;
    static constexpr int kBiWeeklyOpenHeight = 6550;
    static constexpr int kDesignedWidth = 14910;
    int Top = 0;
    int Left = 0;
    int Height = kWeeklyHeight;
    int Width = kDesignedWidth;

    // Period numbers "1" to "53".
    Column Label2;
    // Display-only cells.
    Column txtDate, txtFed, txtSS, txtMedi, txtState, txtCity, txtMuni, txtBond, txtDues, txtPen, txtMisc,
        txtKplan, txtOT;
    // Editable cells.
    Column txtTips, txtGross, txtNet;

    // The two heading rows, left to right ("Week" ... "Gross"); indices 6 to
    // 10 are the deduction headings.
    std::array<std::string, 16> lbHeading;
    std::array<std::string, 16> lbHeading2;
    std::string lbHint;     // above the period numbers
    std::string lbCaption;  // how to post and delete
    std::string cmdBack;    // "&Close"

    // The cells of a record column (YrFed -> txtFed, ...); YrDate has no
    // float field, see txtDate.
    Column& cell(float LedgerRow::*field);
    const Column& cell(float LedgerRow::*field) const;

    // Events.
    void Label2_MouseDown(int index, MouseButton button);
    // The gross and net boxes take only numeric keys; a refused key becomes 0.
    void txtGross_KeyPress(int index, char& KeyAscii);
    void txtNet_KeyPress(int index, char& KeyAscii);
    void cmdBack_Click();
    // The window goes away: releases the spreadsheet application.
    void Form_Unload();

    // Posts the pay sheet's current period into slot i.
    void PasteMe(int i);
    void PasteMe(int i, const PaySheetSnapshot& sheet);
    // Empties slot i and recomputes.
    void DeleteRow(int i);
    // Empties every active row and the SDI/SUI/cafeteria of all 53 slots.
    void ClearAll();
    // Empties all 53 rows whatever the frequency: a new or opened employee
    // starts from an empty year, whichever frequency the previous one had.
    void clearWholeYear();
    // Grid and totals window into the record.
    void Update();
    // Reloads the file and shows every active row formatted "#####.00".
    void fillBoxes();

    // Shows the record's active rows as plain decimal text and the
    // employee's deduction names in the headings (the last step of a load).
    void showRecord();

    // False when the grid's last load found a year file it could not read.
    bool loadReadFile() const { return loadReadFile_; }

protected:
    void Form_Load() override;
    void resetControls() override;

private:
    int activeRows() const;
    // Empties rows 0 to n - 1, the SDI/SUI/cafeteria of all slots and the
    // sums.
    void clearRows(int n);
    bool loadReadFile_ = true;
};

}  // namespace qv
