#include "local/city_tables.h"

#include "common/file_io.h"
#include "common/messages.h"
#include "common/record_line.h"
#include "local/dialog_city.h"
#include "local/local_text.h"
#include "paysheet/app.h"

namespace qv {

namespace {

constexpr float kUnusedMinimum = 999999.0f;

std::string cityFileName(const App& app) { return app.UserFile + ".cti"; }

}  // namespace

CityTaxTables NewYorkCityTables() {
    CityTaxTables t;
    const float mins[CityTaxTables::kRows] = {0, 308, 334, 577, 962, 2308, 999999, 999999, 999999, 999999};
    const float amts[CityTaxTables::kRows] = {0, 6.31f, 7.08f, 14.92f, 30.12f, 86, 0, 0, 0, 0};
    const float pers[CityTaxTables::kRows] = {0.0205f, 0.028f, 0.0325f, 0.0395f, 0.0415f, 0.0425f, 0, 0, 0, 0};
    const float single[CityTaxTables::kAllowances] = {192.3f, 230.8f, 269.3f, 307.8f, 346.3f,
                                                      384.8f, 423.3f, 461.8f, 500.3f, 538.8f};
    const float married[CityTaxTables::kAllowances] = {211.5f, 250, 288.5f, 327, 365.5f,
                                                       404, 442.5f, 481, 519.5f, 558};
    for (int r = 0; r < CityTaxTables::kRows; ++r) {
        t.CityMinBS[r] = t.CityMinBM[r] = mins[r];
        t.CityAmtBS[r] = t.CityAmtBM[r] = amts[r];
        t.CityPerBS[r] = t.CityPerBM[r] = pers[r];
    }
    for (int n = 0; n < CityTaxTables::kAllowances; ++n) {
        t.CitySgExp[n] = single[n];
        t.CityMarExp[n] = married[n];
    }
    return t;
}

CityTaxTables ClearedCityTables() {
    CityTaxTables t;
    t.CityMinBS.fill(kUnusedMinimum);
    t.CityMinBM.fill(kUnusedMinimum);
    return t;
}

std::string cityTablesText(const CityTaxTables& t) {
    RecordWriter w;
    for (int r = 0; r < CityTaxTables::kRows; ++r) {
        w.num(t.CityMinBS[r]).num(t.CityAmtBS[r]).num(t.CityPerBS[r]);
        w.num(t.CityMinBM[r]).num(t.CityAmtBM[r]).num(t.CityPerBM[r]).endLine();
    }
    w.integer(t.NoLocalTax).endLine();
    for (int n = 0; n < CityTaxTables::kAllowances; ++n) w.num(t.CitySgExp[n]).num(t.CityMarExp[n]).endLine();
    return w.str();
}

void readCityTables(std::string_view content, const std::string& fileName, CityTaxTables& t) {
    static const LineLayout kLayout = [] {
        LineLayout l = repeatLayout({6}, CityTaxTables::kRows);
        l.push_back(1);
        for (int n : repeatLayout({2}, CityTaxTables::kAllowances)) l.push_back(n);
        return l;
    }();
    RecordReader in(content, fileName, kLayout);
    for (int r = 0; r < CityTaxTables::kRows; ++r) {
        t.CityMinBS[r] = in.single();
        t.CityAmtBS[r] = in.single();
        t.CityPerBS[r] = in.single();
        t.CityMinBM[r] = in.single();
        t.CityAmtBM[r] = in.single();
        t.CityPerBM[r] = in.single();
    }
    t.NoLocalTax = in.integer();
    for (int n = 0; n < CityTaxTables::kAllowances; ++n) {
        t.CitySgExp[n] = in.single();
        t.CityMarExp[n] = in.single();
    }
}

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
