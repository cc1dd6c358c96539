#include "local/non_city_files.h"

#include "common/file_io.h"
#include "common/messages.h"
#include "common/record_line.h"
#include "local/dialog_non_city.h"
#include "paysheet/app.h"
#include "state/state_files.h"

namespace qv {

bool NonCityFileExists(const App& app) { return fileExists(app.userPath(".nci")); }

bool LoadNonCityTable(App& app) {
    if (!NonCityFileExists(app)) return true;
    const std::string name = app.UserFile + ".nci";
    auto content = readWholeFile(app.userPath(".nci"));
    try {
        if (!content) throw RecordReadError(name, name + ": cannot be read");
        app.nonCity = parseNonCityTable(*content, name);
    } catch (const RecordReadError&) {
        app.fileDamaged(app.userPath(".nci"));
        app.ui().message(corruptFileMessage(name));
        return false;
    }
    app.dialogNonCity().showTable(app.nonCity);
    return true;
}

bool SaveNonCityTable(App& app) {
    if (!app.saveFile(app.userPath(".nci"), nonCityTableText(app.nonCity))) {
        app.ui().message(kCheckNumbersMessage);
        return false;
    }
    return true;
}

bool OpenNonCityTable(App& app) {
    // A fresh load of the dialog reads the file, gives empty boxes the
    // defaults and copies the boxes into the record, so a missing or
    // unreadable file gives the default table, not the previous employee's.
    DialogNonCity& dlg = app.dialogNonCity();
    dlg.unload();
    dlg.ensureLoaded();
    return dlg.openingReadFile();
}

}  // namespace qv
