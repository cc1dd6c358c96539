// The ledger frame "Year To Date": the menu over the grid and the totals
// window, and the commands that open and close the whole ledger screen.
#pragma once

#include <string>

#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class MDIForm1 : public Form {
public:
    explicit MDIForm1(App& app);

    // Every control of the window.
    static std::span<const Control> controls();

    std::string Caption;
    int Width = 0;
    bool minimized = false;
    bool maximized = false;

    // Menu captions.
    std::string mnuClose, mnuPrint, mnuClear, mnuClearAll, mnuAdd, mnuExcel;

    // Set by the close command so that the frame lets itself be closed; any
    // other close request is refused. Survives the window being unloaded.
    bool LedgerClosing = false;

    void MDIForm_Activate();
    void mnuClose_Click();
    void mnuPrint_Click();
    void mnuClearAll_Click();
    void mnuAdd_Click();
    void mnuExcel_Click();
    // A request to close the frame (its close box, or the close command).
    // Returns true when the frame closed; false when it was refused.
    bool MDIForm_QueryUnload();

protected:
    void Form_Load() override;
    void resetControls() override;
};

// The pay sheet's "&Year to Date" command (its cmdYear button and mnuYear
// entry call this): closes any open ledger windows, shows the frame, sizes
// the grid by pay frequency, places the totals under it, then reloads the
// file, shows every row formatted, copies the grid into the record and
// recomputes the sums. An unsaved posting is dropped here when a ledger file
// exists.
void openYearLedger(App& app);

// The ledger's "&Close": asks "     Do you want to save YTD"; Yes saves the
// year file, No keeps the rows in memory only; then closes the ledger.
// Returns false when the answer was Yes and the file could not be written
// (the user has been told).
bool closeLedger(App& app);

// Closes the grid, the totals window and the frame without a question (used
// when another employee is opened or a new one started, and by "Make
// Default"); the record keeps its rows.
void closeLedgerWindows(App& app);

}  // namespace qv
