// quorvane-cli export: the year ledger copied into an .xlsx workbook in the
// working folder, as the ledger's "&Excel" does; prints the workbook's path.
#include <iostream>

#include "cli/command.h"
#include "cli/report.h"
#include "common/file_io.h"
#include "common/messages.h"
#include "ledger/ledger_export.h"
#include "ledger/mdi_form1.h"
#include "platform/xlsx_spreadsheet.h"

namespace qv::cli {
namespace {

int run(Session& s) {
    App& app = *s.app;
    platform::XlsxSpreadsheet sheet(s.ui);
    app.spreadsheet = &sheet;
    openYearLedger(app);
    const std::string error = exportLedger(app);
    closeLedgerWindows(app);
    app.spreadsheet = nullptr;
    if (!error.empty()) {
        reportError("export", error);
        return kFailed;
    }
    std::cout << sheet.savedPath().string() << "\n";
    return kOk;
}

Registrar registrar{Command{
    "export",
    "Export the year ledger to a workbook (\"<employee> Year To Date.xlsx\"); prints its path",
    nullptr,
    nullptr,
    run,
}};

}  // namespace
}  // namespace qv::cli
