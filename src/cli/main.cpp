// quorvane-cli: the headless front end on the same App and forms as the
// desktop. Global options, then one command.
#include <iostream>
#include <optional>

#include "cli/command.h"
#include "cli/report.h"
#include "common/file_io.h"
#include "common/messages.h"
#include "shell/shipped_files.h"

namespace qv::cli {

std::vector<Command>& commands() {
    static std::vector<Command> all;
    return all;
}

}  // namespace qv::cli

int main(int argc, char** argv) {
    using namespace qv::cli;
    CLI::App cliApp{"Quorvane payroll calculator, command-line front end"};
    cliApp.require_subcommand(1);
    Session session;
    std::string folder, user, date;
    auto* folderOpt = cliApp.add_option("--folder", folder, "The working folder (default: $QUORVANE_FOLDER, else ~/Quorvane)");
    auto* userOpt = cliApp.add_option("--user", user, "Open this employee before the command");
    auto* dateOpt = cliApp.add_option("--date", date, "Set the pay date text after opening");

    std::vector<std::pair<CLI::App*, const Command*>> subs;
    for (const auto& c : commands()) {
        CLI::App* sub = cliApp.add_subcommand(c.name, c.description);
        if (c.setup) c.setup(*sub);
        subs.emplace_back(sub, &c);
    }
    try {
        cliApp.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int rc = cliApp.exit(e);
        return rc == 0 ? kOk : kUsage;
    }
    session.options.shipped = qv::shippedFolder();
    session.options.folder = *folderOpt ? std::filesystem::path(folder) : qv::defaultWorkingFolder();
    if (*userOpt) session.options.user = user;
    if (*dateOpt) session.options.date = date;

    for (auto& [sub, cmd] : subs) {
        if (!sub->parsed()) continue;
        if (cmd->validate) {
            std::string problem = cmd->validate();
            if (!problem.empty()) {
                reportError(cmd->name, problem);
                std::cerr << sub->help();
                return kUsage;
            }
        }
        if (cmd->unavailable) {
            std::string reason = cmd->unavailable();
            if (!reason.empty()) {
                std::cerr << "quorvane-cli " << cmd->name << ": " << reason << "\n";
                return kFailed;
            }
        }
        // The user's own folder is made ready on first use; a folder named
        // with --folder is taken as it is.
        if (!*folderOpt) {
            std::string problem;
            if (!qv::prepareWorkingFolder(session.options.folder, session.options.shipped, &problem)) {
                reportError(problem);
                return kFailed;
            }
        }
        std::error_code ec;
        if (!std::filesystem::is_directory(session.options.folder, ec)) {
            reportError(qv::folderMissingMessage(session.options.folder.string()));
            return kFailed;
        }
        // A command's reads and writes of the employee's files are one step:
        // two runs on one folder would otherwise lose each other's rows.
        std::optional<qv::FolderLock> lock;
        if (cmd->opensEmployee) {
            lock.emplace(session.options.folder);
            if (lock->busy()) {
                reportMessage(qv::kFolderBusyMessage);
                return kFailed;
            }
        }
        session.app = std::make_unique<qv::App>(session.ui, session.clock, session.options.folder);
        session.app->dataFolder = session.options.shipped;
        if (cmd->opensEmployee) {
            int rc = prepareEmployee(session);
            if (rc != kOk) return rc;
        }
        try {
            return cmd->run(session);
        } catch (const std::exception& e) {
            reportError(cmd->name, e.what());
            return kFailed;
        }
    }
    return kUsage;
}
