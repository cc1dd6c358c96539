// Opening the employee named on the command line, as the pay sheet's Open
// does with that file chosen.
#include "cli/command.h"
#include "cli/report.h"
#include "common/file_io.h"
#include "common/messages.h"
#include "employee/new_open_save.h"
#include "paysheet/form1.h"

namespace qv::cli {

int prepareEmployee(Session& session) {
    App& app = *session.app;
    if (session.options.user) {
        const std::string& name = *session.options.user;
        if (std::string problem = fileNameProblem(name); !problem.empty()) {
            reportError("--user \"" + name + "\": " + problem);
            return kUsage;
        }
        // Checked before the program starts, so nothing is written for an
        // employee who is not there.
        const std::filesystem::path file = app.folder() / (name + ".use");
        if (!fileExists(file)) {
            reportError(noEmployeeMessage(name, app.folder().string(), file.filename().string()));
            return kFailed;
        }
        app.form1();  // the program starts
        const std::size_t damagedBefore = app.damagedFilesSeen();
        session.ui.answerFile(file);
        const bool opened = OpenUser(app);
        if (!opened || app.damagedFilesSeen() != damagedBefore) {
            reportMessages(session.ui);
            reportError(employeeNotOpenedMessage(name));
            return kFailed;
        }
    } else {
        app.form1();
    }
    if (session.options.date) app.form1().txtWeek = *session.options.date;
    return kOk;
}

}  // namespace qv::cli
