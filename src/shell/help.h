// The help command of the pay sheet ("He&lp") and of the leave window
// ("&Help"): the help document "Qvhelp.html" in the platform's help viewer.
#pragma once

#include <filesystem>
#include <optional>

#include "platform/help_viewer.h"

namespace qv {

class App;

inline constexpr const char* kHelpFileName = "Qvhelp.html";

// The working folder's "Qvhelp.html" when there is one, else the shipped
// copy `<dataFolder>/help/Qvhelp.html`; nothing when neither exists.
std::optional<std::filesystem::path> helpFile(const App& app);

// Shows the help document at `topic`. Without a help viewer, or without a
// help document, tells the user so. False when nothing was shown.
bool showHelp(App& app, platform::HelpTopic topic);

}  // namespace qv
