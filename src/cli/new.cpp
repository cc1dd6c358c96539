// quorvane-cli new NAME: File "&New" without saving the current employee,
// NAME typed as the new employee's name; prints the sheet of its first
// calculation.
#include "cli/command.h"
#include "cli/sheet_output.h"
#include "common/file_io.h"
#include "common/messages.h"
#include "employee/new_open_save.h"
#include "paysheet/form1.h"

namespace qv::cli {
namespace {

struct NewOptions {
    std::string name;
    bool json = false;
};

NewOptions& opts() {
    static NewOptions o;
    return o;
}

std::string validate() {
    if (std::string problem = fileNameProblem(opts().name); !problem.empty())
        return notAnEmployeeNameMessage(opts().name, problem);
    if (opts().name.empty()) return "give the new employee's name.";
    return {};
}

int run(Session& s) {
    App& app = *s.app;
    s.ui.answerNo();              // "........SAVE PREVIOUS USER?"
    s.ui.answerInput(opts().name);  // "Enter new user:"
    // New stops at an existing name; a calculation that could not write the
    // new employee's files, or showed another failure, is no success either.
    const int status = NewUser(app) ? kOk : kFailed;
    return printSheet(s, opts().json, status);
}

Registrar registrar{Command{
    "new",
    "Create a new employee with the New York presets and calculate once",
    [](CLI::App& sub) {
        sub.add_option("NAME", opts().name, "The new employee's name")->required();
        sub.add_flag("--json", opts().json, "Print the sheet as one JSON object");
    },
    validate,
    run,
}};

}  // namespace
}  // namespace qv::cli
