// The ledger's "&Excel": the year copied into a new spreadsheet workbook,
// formatted and shown.
#pragma once

#include <filesystem>
#include <string>

namespace qv {

class App;
namespace platform {
class Spreadsheet;
}

// Where the export saves its workbook: the working folder, `UserFile` +
// " Year To Date.xlsx" ("Year To Date.xlsx" for the default files).
std::filesystem::path ledgerWorkbookPath(const App& app);

// The "&Excel" command: drops the application of an earlier export, starts a
// new one and runs ToExcel on it. A failure ends the export where it
// happened; what went wrong is returned for the window to show (empty when
// the workbook was saved).
std::string exportLedger(App& app);

// Fills and formats the workbook from the ledger grid and the totals window,
// shows it and saves it. Throws when a call of the spreadsheet fails.
void ToExcel(App& app, platform::Spreadsheet& sheet);

}  // namespace qv
