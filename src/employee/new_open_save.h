// New, Open, Save and Exit of employees, and the parts of the save-all: the
// employee's files written in order and the windows it closes.
#pragma once

#include <filesystem>

namespace qv {

class App;

// File "&New": asks whether to save the current employee, asks for the new
// name, resets everything to a new employee's values with the New York
// presets and calculates once, which writes every file of the new employee.
// A name that cannot be a file name, or one whose ".use" file exists, is
// refused and the current employee stays current; a cancelled (empty) name
// changes nothing. True when the new employee's first calculation ran whole
// and wrote every file.
bool NewUser(App& app);

// File "&Open": offers the save prompt, then `OpenFile`. Returns false when
// no employee was opened (cancelled, or a file could not be read).
bool OpenUser(App& app);

// Asks for a ".use" file and loads that employee; its folder becomes the
// working folder. Every file of the employee is read before anything
// changes: when one cannot be read, the corrupt-file message names it and
// the current employee stays open, unchanged; so it does when the choice is
// cancelled. False when cancelled or a file could not be read.
bool OpenFile(App& app);

// File "&Save": the save prompt, modally.
void SaveUser(App& app);

// File "E&xit" and closing the pay sheet: offers to save, closes every window
// and ends the program.
void ExitProgram(App& app);

// The writes of the save-all, in order: profile and overtime, leave, state,
// city, non-resident. False at the first one that fails.
bool saveEmployeeFiles(App& app);
// The windows a save-all closes: the ledger window and frame, the overtime
// tracker, the leave balances, the state, city and non-resident dialogs.
// (The save has taken what was typed into the tracker and the leave window.)
void closeEmployeeWindows(App& app);
// The windows closing the save prompt takes with it: the ledger totals, the
// profile screen and the check window.
void closePromptCompanions(App& app);
void closeCheckWindow(App& app);
// Every window but the pay sheet, which the caller ends.
void closeAllWindows(App& app);

}  // namespace qv
