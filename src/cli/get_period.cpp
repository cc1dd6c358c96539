// quorvane-cli get-period FILE: "Get Pay Period" with FILE chosen; prints the
// sheet as restored.
#include "cli/command.h"
#include "cli/report.h"
#include "cli/sheet_output.h"
#include "common/file_io.h"
#include "common/messages.h"
#include "employee/saved_period.h"

namespace qv::cli {
namespace {

struct PeriodOptions {
    std::string file;
    bool json = false;
};

PeriodOptions& opts() {
    static PeriodOptions o;
    return o;
}

int run(Session& s) {
    App& app = *s.app;
    // A bare name is looked for in the working folder.
    std::filesystem::path file = opts().file;
    if (file.is_relative() && fileExists(app.folder() / file)) file = app.folder() / file;
    else if (file.is_relative()) file = std::filesystem::absolute(file);
    s.ui.answerFile(file);
    if (!GetPayPeriod(app)) {
        reportError("get-period", notASavedPeriodMessage(opts().file));
        return printSheet(s, opts().json, kFailed);
    }
    return printSheet(s, opts().json, kOk);
}

Registrar registrar{Command{
    "get-period",
    "Show a saved pay period (.prv) on the pay sheet",
    [](CLI::App& sub) {
        sub.add_option("FILE", opts().file, "The saved pay period file")->required();
        sub.add_flag("--json", opts().json, "Print the sheet as one JSON object");
    },
    [] { return opts().file.empty() ? std::string("give the saved pay period file.") : std::string(); },
    run,
}};

}  // namespace
}  // namespace qv::cli
