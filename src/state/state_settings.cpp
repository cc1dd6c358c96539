#include "state/state_settings.h"

#include <string>

#include "common/file_io.h"
#include "common/messages.h"
#include "common/record_line.h"
#include "paysheet/app.h"
#include "state/dialog_state.h"

namespace qv {

namespace {

// Reads the file named `name` into the record and the dialog, then the
// method boxes and the employee screen from the record.
bool loadStateFrom(App& app, const std::string& name) {
    if (StateFileExists(app, name)) {
        try {
            auto content = readWholeFile(app.pathOf(name));
            if (!content) throw RecordReadError(name, "cannot be read");
            readStateFileText(*content, name, app.state, app.profile);
        } catch (const RecordReadError&) {
            app.fileDamaged(app.pathOf(name));
            app.ui().message(corruptFileMessage(name));
            return false;
        }
        // Touching the dialog while it is unloaded runs its opening first.
        DialogState& dlg = app.dialogState();
        dlg.ensureLoaded();
        dlg.boxesFromRecord();
    }
    DialogState& dlg = app.dialogState();
    dlg.ensureLoaded();
    dlg.methodBoxesFromRecord();
    dlg.employeeScreenFromRecord();
    return true;
}

}  // namespace

bool StateFileExists(const App& app, std::string_view name) { return fileExists(app.pathOf(name)); }

std::string stateFileText(const StateTaxSettings& s, const EmployeeProfile& p) {
    RecordWriter w;
    for (int r = 0; r < 10; ++r) {
        w.num(s.StateMinBS[r]).num(s.StateAmtBS[r]).num(s.StatePerBS[r]);
        w.num(s.StateMinBM[r]).num(s.StateAmtBM[r]).num(s.StatePerBM[r]).endLine();
    }
    w.integer(s.NoStateTax).endLine();
    for (int n = 0; n < 10; ++n) w.num(s.StateSgExp[n]).num(s.StateMarExp[n]).endLine();
    w.num(s.SDIPercent).num(s.SUIPercent).num(s.SDIWageBase).num(s.SUIWageBase).num(s.StateAdj);
    w.integer(s.SDIUseBase).integer(s.SUIUseBase).integer(p.SSMediExempt).integer(s.UseAlabama).endLine();
    w.integer(s.UseAriz).integer(s.UseLouis).integer(s.UseIowa).integer(p.StateExemptions);
    w.text(p.StateStatus).integer(p.FedExempt).num(p.FedAddL);
    w.integer(s.UseMass).integer(s.UseOregon).integer(s.UseKentucky).integer(s.UseMissouri).endLine();
    return w.str();
}

void readStateFileText(std::string_view content, const std::string& fileName, StateTaxSettings& s,
                       EmployeeProfile& p) {
    static const LineLayout kLayout = [] {
        LineLayout l = repeatLayout({6}, 10);
        l.push_back(1);
        for (int n : repeatLayout({2}, 10)) l.push_back(n);
        l.push_back(9);
        l.push_back(11);
        return l;
    }();
    RecordReader in(content, fileName, kLayout);
    for (int r = 0; r < 10; ++r) {
        s.StateMinBS[r] = in.single();
        s.StateAmtBS[r] = in.single();
        s.StatePerBS[r] = in.single();
        s.StateMinBM[r] = in.single();
        s.StateAmtBM[r] = in.single();
        s.StatePerBM[r] = in.single();
    }
    s.NoStateTax = in.integer();
    for (int n = 0; n < 10; ++n) {
        s.StateSgExp[n] = in.single();
        s.StateMarExp[n] = in.single();
    }
    s.SDIPercent = in.single();
    s.SUIPercent = in.single();
    s.SDIWageBase = in.single();
    s.SUIWageBase = in.single();
    s.StateAdj = in.single();
    s.SDIUseBase = in.integer();
    s.SUIUseBase = in.integer();
    p.SSMediExempt = in.integer();
    s.UseAlabama = in.integer();
    s.UseAriz = in.integer();
    s.UseLouis = in.integer();
    s.UseIowa = in.integer();
    // The count picks an entry of the ten-entry allowance tables: a count the
    // tables cannot hold makes the file unreadable rather than reaching a
    // computation.
    const std::int16_t exemptions = in.integer();
    if (exemptions < 0 || exemptions > 9)
        throw RecordReadError(fileName, "state exemptions " + std::to_string(exemptions) + " outside 0 to 9");
    p.StateExemptions = exemptions;
    p.StateStatus = in.text();
    p.FedExempt = in.integer();
    p.FedAddL = in.single();
    s.UseMass = in.integer();
    s.UseOregon = in.integer();
    s.UseKentucky = in.integer();
    s.UseMissouri = in.integer();
}

bool LoadStateFile(App& app) { return loadStateFrom(app, app.UserFile + ".sta"); }

bool LoadStateDefault(App& app) { return loadStateFrom(app, ".sta"); }

bool SaveStateFile(App& app) {
    if (!app.saveFile(app.userPath(".sta"), stateFileText(app.state, app.profile))) {
        app.ui().message(kCheckNumbersMessage);
        return false;
    }
    return true;
}

}  // namespace qv
