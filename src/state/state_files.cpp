#include "state/state_files.h"

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
