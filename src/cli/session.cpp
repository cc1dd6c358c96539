// Opening the employee named on the command line, as the pay sheet's Open
// does with that file chosen.
#include <iostream>

#include "cli/command.h"
#include "common/file_io.h"
#include "employee/new_open_save.h"
#include "paysheet/form1.h"

namespace qv::cli {

namespace {

void printMessages(const platform::ScriptedUi& ui) {
    for (std::string m : ui.messages()) {
        for (std::size_t at = m.find("\r\n"); at != std::string::npos; at = m.find("\r\n", at)) m.replace(at, 2, "\n");
        std::cerr << m << "\n";
    }
}

}  // namespace

int prepareEmployee(Session& session) {
    App& app = *session.app;
    if (session.options.user) {
        const std::string& name = *session.options.user;
        if (std::string problem = fileNameProblem(name); !problem.empty()) {
            std::cerr << "quorvane-cli: --user \"" << name << "\": " << problem << "\n";
            return kUsage;
        }
        // Checked before the program starts, so nothing is written for an
        // employee who is not there.
        const std::filesystem::path file = app.folder() / (name + ".use");
        if (!fileExists(file)) {
            std::cerr << "quorvane-cli: no employee \"" << name << "\" in " << app.folder().string() << " (" << file.filename().string()
                      << " not found).\n";
            return kFailed;
        }
        app.form1();  // the program starts
        const std::size_t damagedBefore = app.damagedFilesSeen();
        session.ui.answerFile(file);
        const bool opened = OpenUser(app);
        if (!opened || app.damagedFilesSeen() != damagedBefore) {
            printMessages(session.ui);
            std::cerr << "quorvane-cli: the employee \"" << name << "\" could not be opened.\n";
            return kFailed;
        }
    } else {
        app.form1();
    }
    if (session.options.date) app.form1().txtWeek = *session.options.date;
    return kOk;
}

}  // namespace qv::cli
