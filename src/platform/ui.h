// Everything that needs the user goes through Ui: message boxes, questions,
// the input box, the file-open dialog, the printer choice.
// The desktop answers with real dialogs; tests and the command line answer
// from a script and record what was shown.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/date.h"

namespace qv::platform {

class Ui {
public:
    virtual ~Ui() = default;

    // A message box with an OK button.
    virtual void message(std::string_view text, std::string_view title = {}) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(std::string_view text, std::string_view title = {}) = 0;
    // The input box; cancel answers with an empty text.
    virtual std::string inputBox(std::string_view prompt, std::string_view title = {},
                                 std::string_view defaultText = {}) = 0;
    // The file-open dialog with a filter such as "User Files (*.use)|*.use";
    // nothing when cancelled.
    virtual std::optional<std::filesystem::path> openFile(std::string_view title, std::string_view filter,
                                                          const std::filesystem::path& folder) = 0;
    // The printer-choice dialog; false when cancelled.
    virtual bool choosePrinter() = 0;
    // Asks the desktop to open a document with its application (the exported
    // workbook, the help pages).
    virtual void openDocument(const std::filesystem::path& path) = 0;
};

// The system date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
};

class SystemClock : public Clock {
public:
    Date today() const override;
};

}  // namespace qv::platform
