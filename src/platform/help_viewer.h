// The help viewer: shows the program's help document. The desktop opens it in
// the system's viewer; the headless side records what was asked.
#pragma once

#include <filesystem>

namespace qv::platform {

// Where the document opens: at its first page (the pay sheet's "He&lp"), or at
// its table of contents (the leave window's "&Help").
enum class HelpTopic { Default, Contents };

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows `file`, an existing HTML document, at `topic`.
    virtual void showHelp(const std::filesystem::path& file, HelpTopic topic) = 0;
};

}  // namespace qv::platform
