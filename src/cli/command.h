// quorvane-cli: each command lives in its own file and registers itself here.
#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "paysheet/app.h"
#include "platform/headless/scripted_ui.h"

namespace qv::cli {

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;

// Options that come before the command.
struct GlobalOptions {
    // The working folder: --folder, or the user's own (prepared on first use).
    std::filesystem::path folder;
    // The folder of shipped files (the federal tables, the help, the pictures).
    std::filesystem::path shipped;
    std::optional<std::string> user;
    std::optional<std::string> date;
};

// The process's state while a command runs: the scripted Ui that answers the
// program's questions and records its messages, the clock, and the App.
struct Session {
    GlobalOptions options;
    platform::ScriptedUi ui;
    platform::SystemClock clock;
    std::unique_ptr<App> app;
};

struct Command {
    std::string name;
    std::string description;
    // Declares the command's own options on its subcommand.
    std::function<void(CLI::App&)> setup;
    // Checks the parsed options before anything is touched: returns a usage
    // message, or empty when they are fine.
    std::function<std::string()> validate;
    // Runs the command; returns the exit status.
    std::function<int(Session&)> run;
    // True when the command needs the employee opened (--user/--date) first;
    // it then runs holding the working folder's lock.
    bool opensEmployee = true;
    // Checks, before anything is touched, that this build can do what the
    // options ask: returns why not (a failure, not a usage error), or empty.
    std::function<std::string()> unavailable = nullptr;
};

std::vector<Command>& commands();

// Registers a command at start-up: `static Registrar r{Command{...}};`
struct Registrar {
    explicit Registrar(Command c) { commands().push_back(std::move(c)); }
};

// Opens the employee named by --user and applies --date, as the pay sheet's
// Open does. Returns an exit status; kOk when the command may go on.
int prepareEmployee(Session& session);

}  // namespace qv::cli
