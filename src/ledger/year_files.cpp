#include "ledger/year_files.h"

#include "common/file_io.h"
#include "common/messages.h"
#include "common/record_line.h"
#include "ledger/frm_year.h"
#include "ledger/frm_year_tot.h"
#include "paysheet/app.h"
#include "state/state_files.h"

namespace qv {

std::string annualFileName(const App& app, bool weekly) { return app.UserFile + (weekly ? ".yrw" : ".yrb"); }

bool AnnualExists(const App& app, bool weekly) { return fileExists(app.pathOf(annualFileName(app, weekly))); }

void AddAnnual(App& app) {
    YearLedger& ledger = app.ledger;
    if (!recomputeYearSums(ledger, app.profile.Weekly)) {
        app.ui().message(kLedgerNonNumber);
        return;
    }
    app.frmYearTot().showSums();
}

bool LoadAnnual(App& app) {
    // The grid shows what is loaded; loading the grid runs this routine, so a
    // first load goes through the grid's own load.
    FrmYear& grid = app.frmYear();
    if (!grid.loaded) {
        grid.ensureLoaded();
        return grid.loadReadFile();
    }
    bool read = true;
    AddAnnual(app);
    const bool weekly = app.profile.Weekly;
    if (AnnualExists(app, weekly)) {
        const std::string name = annualFileName(app, weekly);
        auto content = readWholeFile(app.pathOf(name));
        try {
            if (!content) throw RecordReadError(name, "cannot be read");
            readYearLedgerText(*content, name, weekly, app.ledger);
            // The file's trailer brings every sum but SDI, SUI and cafeteria,
            // which exist only in the rows. The totals window was filled from
            // the rows held before the read; the stub and the check take the
            // year's gross and net from it, so it must show what was read.
            recomputeRowOnlySums(app.ledger);
            app.frmYearTot().showSums();
        } catch (const RecordReadError&) {
            app.fileDamaged(app.pathOf(name));
            app.ui().message(corruptFileMessage(name));
            read = false;
        }
    }
    grid.showRecord();
    return read;
}

bool SaveAnnual(App& app) {
    AddAnnual(app);
    const bool weekly = app.profile.Weekly;
    const std::string name = annualFileName(app, weekly);
    std::string text;
    if (app.frmYear().loaded) {
        FrmYear& grid = app.frmYear();
        text = yearLedgerFileText(app.ledger, weekly,
                                  [&grid](int slot, float LedgerRow::*field) -> const std::string& {
                                      return grid.cell(field)[static_cast<std::size_t>(slot)];
                                  });
    } else {
        text = yearLedgerFileText(app.ledger, weekly);
    }
    std::string error;
    if (!app.saveFile(app.pathOf(name), text, &error)) {
        app.ui().message(cannotWriteMessage(name, error));
        return false;
    }
    return true;
}

}  // namespace qv
