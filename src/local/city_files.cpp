#include "local/city_files.h"

#include "common/file_io.h"
#include "common/messages.h"
#include "common/record_line.h"
#include "local/dialog_city.h"
#include "paysheet/app.h"
#include "state/state_files.h"

namespace qv {
namespace {

std::string cityFileName(const App& app) { return app.UserFile + ".cti"; }

}  // namespace

bool CityFileExists(const App& app) { return fileExists(app.userPath(".cti")); }

bool LoadCityTables(App& app) {
    if (!CityFileExists(app)) return true;
    const std::string name = cityFileName(app);
    auto content = readWholeFile(app.userPath(".cti"));
    try {
        if (!content) throw RecordReadError(name, name + ": cannot be read");
        readCityTables(*content, name, app.city);
    } catch (const RecordReadError&) {
        app.fileDamaged(app.userPath(".cti"));
        app.ui().message(corruptFileMessage(name));
        return false;
    }
    DialogCity& dlg = app.dialogCity();
    dlg.ensureLoaded();
    dlg.showTables(app.city);
    dlg.setNoLocalTax(app.city.NoLocalTax);
    return true;
}

bool SaveCityTables(App& app) {
    if (!app.saveFile(app.userPath(".cti"), cityTablesText(app.city))) {
        app.ui().message(kCheckNumbersMessage);
        return false;
    }
    return true;
}

bool OpenCityTables(App& app) {
    // The dialog's own load sequence is exactly what opening needs: the file
    // into the record and the boxes, defaults into empty boxes, the boxes into
    // the record. Loading it afresh drops whatever the previous employee left
    // in its boxes, so a missing or unreadable file gives the defaults.
    DialogCity& dlg = app.dialogCity();
    dlg.unload();
    dlg.ensureLoaded();
    return dlg.openingReadFile();
}

}  // namespace qv
