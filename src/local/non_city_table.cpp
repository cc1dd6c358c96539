#include "local/non_city_table.h"

#include "common/file_io.h"
#include "common/messages.h"
#include "common/record_line.h"
#include "local/dialog_non_city.h"
#include "local/local_text.h"
#include "paysheet/app.h"

namespace qv {

NonCityTable DefaultNonCityTable() {
    NonCityTable t;
    const float minBi[NonCityTable::kRows] = {0, 145, 385, 769, 1154, 999999, 999999, 999999};
    const float expBi[NonCityTable::kRows] = {0, 115, 77, 38, 0, 0, 0, 0};
    const float minWk[NonCityTable::kRows] = {0, 78, 192, 385, 577, 999999, 999999, 999999};
    const float expWk[NonCityTable::kRows] = {0, 58, 38, 19, 0, 0, 0, 0};
    for (int r = 0; r < NonCityTable::kRows; ++r) {
        t.NonMinBi[r] = minBi[r];
        t.NonExpBi[r] = expBi[r];
        t.NonMinWk[r] = minWk[r];
        t.NonExpWk[r] = expWk[r];
    }
    t.NonPer = 0.0045f;
    return t;
}

std::string nonCityTableText(const NonCityTable& t) {
    RecordWriter w;
    for (int r = 0; r < NonCityTable::kRows; ++r)
        w.num(t.NonMinBi[r]).num(t.NonExpBi[r]).num(t.NonMinWk[r]).num(t.NonExpWk[r]).endLine();
    w.num(t.NonPer).endLine();
    return w.str();
}

NonCityTable parseNonCityTable(std::string_view content, const std::string& fileName) {
    static const LineLayout kLayout = [] {
        LineLayout l = repeatLayout({4}, NonCityTable::kRows);
        l.push_back(1);
        return l;
    }();
    RecordReader in(content, fileName, kLayout);
    NonCityTable t;
    for (int r = 0; r < NonCityTable::kRows; ++r) {
        t.NonMinBi[r] = in.single();
        t.NonExpBi[r] = in.single();
        t.NonMinWk[r] = in.single();
        t.NonExpWk[r] = in.single();
    }
    t.NonPer = in.single();
    return t;
}

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
