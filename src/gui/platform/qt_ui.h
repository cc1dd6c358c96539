// The desktop's answers to the core: message boxes with the program's own
// texts, titles and buttons, the input box, the file-open dialog, the printer
// dialog and the desktop's document opener.
#pragma once

#include <QString>

#include <functional>

#include "platform/ui.h"

class QWidget;

namespace qv::gui {

class QtUi : public platform::Ui {
public:
    // `choosePrinter` runs the printer dialog; false when cancelled.
    explicit QtUi(std::function<bool(QWidget* parent)> choosePrinter);

    void message(std::string_view text, std::string_view title = {}) override;
    bool askYesNo(std::string_view text, std::string_view title = {}) override;
    std::string inputBox(std::string_view prompt, std::string_view title = {},
                         std::string_view defaultText = {}) override;
    std::optional<std::filesystem::path> openFile(std::string_view title, std::string_view filter,
                                                  const std::filesystem::path& folder) override;
    bool choosePrinter() override;
    void openDocument(const std::filesystem::path& path) override;

    // A filter of the program ("User Files (*.use)|*.use|All (*.*)|*.*") as
    // the Qt file dialog takes it ("User Files (*.use);;All (*.*)").
    static QString fileDialogFilter(std::string_view filter);

private:
    std::function<bool(QWidget*)> choosePrinter_;
};

// The window a dialog of the core belongs to: the one the user works in.
QWidget* dialogParent();

}  // namespace qv::gui
