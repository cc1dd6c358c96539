#include "shell/help.h"

#include "common/file_io.h"
#include "common/messages.h"
#include "paysheet/app.h"

namespace qv {

std::optional<std::filesystem::path> helpFile(const App& app) {
    // A copy in the working folder wins, so a site can ship its own pages;
    // the installed copy serves every other folder, also after Open has moved
    // the working folder.
    const std::filesystem::path local = app.pathOf(kHelpFileName);
    if (fileExists(local)) return local;
    if (!app.dataFolder.empty()) {
        const std::filesystem::path shipped = app.dataFolder / "help" / kHelpFileName;
        if (fileExists(shipped)) return shipped;
    }
    return std::nullopt;
}

bool showHelp(App& app, platform::HelpTopic topic) {
    if (!app.helpViewer) {
        app.ui().message(kNoHelpViewer, "Help");
        return false;
    }
    auto file = helpFile(app);
    if (!file) {
        app.ui().message(helpFileMissingMessage(kHelpFileName, app.folder().string()), "Help");
        return false;
    }
    app.helpViewer->showHelp(*file, topic);
    return true;
}

}  // namespace qv
