// Every loader of the program's own files, through the program as a user
// runs it: the first byte picks the file, the rest is its content. A file
// that loads may be saved and must then load again; a damaged one is kept
// aside by the save, and what the save writes must load again.
#include <cstdint>
#include <fstream>
#include <string>

#include "employee/new_open_save.h"
#include "employee/profile_files.h"
#include "employee/saved_period.h"
#include "fuzz_support.h"
#include "leave/leave_balances.h"
#include "ledger/year_files.h"
#include "ledger/year_ledger.h"
#include "local/city_files.h"
#include "local/city_tables.h"
#include "local/non_city_files.h"
#include "local/non_city_table.h"
#include "paysheet/app.h"
#include "platform/headless/scripted_ui.h"
#include "printing/print_heading.h"
#include "state/state_files.h"
#include "state/state_settings.h"

using namespace qv;

namespace {

struct Kind {
    const char* name;  // the file, for the employee "F"
    void (*load)(App&);
    bool (*save)(App&);
};

void loadProfile(App& app) { LoadProfile(app); }
void loadLeave(App& app) { loadLeaveFile(app); }
void loadPeriod(App& app) { restorePayPeriod(app, app.pathOf("1_2_2018  F.prv")); }
bool savePeriod(App& app) { return SavePayPeriod(app); }
void loadWeeklyLedger(App& app) {
    app.profile.Weekly = true;
    app.profile.BiWeekly = false;
    LoadAnnual(app);
}
void loadBiWeeklyLedger(App& app) {
    app.profile.Weekly = false;
    app.profile.BiWeekly = true;
    LoadAnnual(app);
}
void loadStateAndSave(App& app) { LoadStateFile(app); }
void loadCity(App& app) { LoadCityTables(app); }
void loadNonCity(App& app) { LoadNonCityTable(app); }

const Kind kKinds[] = {
    {"F.use", loadProfile, SaveOT},
    {"F.and", loadProfile, SaveOT},
    {"F.cfe", loadProfile, SaveOT},
    {"F.ovw", loadProfile, SaveOT},
    {"F.sta", loadStateAndSave, SaveStateFile},
    {"F.cti", loadCity, SaveCityTables},
    {"F.nci", loadNonCity, SaveNonCityTable},
    {"F.yrw", loadWeeklyLedger, SaveAnnual},
    {"F.yrb", loadBiWeeklyLedger, SaveAnnual},
    {"F.hol", loadLeave, saveLeaveFile},
    {"Header.sav", LoadHeading, SaveHeader},
    {"1_2_2018  F.prv", loadPeriod, savePeriod},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const Kind& kind = kKinds[data[0] % std::size(kKinds)];
    fuzz::emptyScratchFolder();
    {
        std::ofstream out(fuzz::scratchFolder() / kind.name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    platform::ScriptedUi ui;
    platform::FixedClock clock(Date{2018, 1, 2});
    App app(ui, clock, fuzz::scratchFolder());
    app.UserFile = "F";
    app.profile.Weekly = true;
    kind.load(app);
    const bool damaged = app.damagedFilesSeen() > 0;
    if (!kind.save(app)) return 0;  // a value the save refuses (a pay date, a number)
    // The damaged file is kept, never replaced.
    if (damaged) {
        bool kept = false;
        for (const auto& e : std::filesystem::directory_iterator(fuzz::scratchFolder()))
            if (e.path().extension() == ".damaged") kept = true;
        if (!kept) fuzz::broken();
    }
    const std::size_t before = app.damagedFilesSeen();
    kind.load(app);
    if (app.damagedFilesSeen() != before) fuzz::broken();
    return 0;
}
