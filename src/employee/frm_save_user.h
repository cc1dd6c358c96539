// The save prompt: saves the current employee under the name in its box, or
// lets the user decline or quit. Its "&Save" is also the save-all that every
// calculation and the profile screen's Save press.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class FrmSaveUser : public Form {
public:
    explicit FrmSaveUser(App& app);

    static constexpr std::string_view kCaption = "Save User";
    static constexpr std::string_view kLine1 = "Before opening a user file,";
    static constexpr std::string_view kLine2 = "Do you want to save this user?";
    static constexpr std::string_view kDesignedName = "TYPE NAME";
    static constexpr std::string_view kNameTip = "File that is already opened.";

    // Every control of the window.
    static std::span<const Control> controls();

    // The name box: the one place a different name can be typed to save the
    // employee under it. Shows `UserFile` once the prompt is loaded.
    std::string txtSaveUser{kDesignedName};
    bool txtSaveUserSelected = false;

    // While the prompt is shown modally the user answers it; the front end
    // plays that part here (the desktop runs its dialog, a test presses a
    // button). Without one the prompt is declined, as "&No" does.
    std::function<void(FrmSaveUser&)> modalUser;

    // Shows the prompt modally and returns when it has been closed.
    void showModal();

    // "&Save": the save-all. False when nothing was saved (a name that cannot
    // be a file name, a file that could not be written).
    bool cmdSaveUser_Click();
    // "&No": closes the check window and the prompt without saving.
    void cmdEnd_Click();
    // "&Quit": closes every window and ends the program without saving.
    void cmdQuit_Click();
    void txtSaveUser_GotFocus() { txtSaveUserSelected = true; }

protected:
    void Form_Load() override;
    void resetControls() override;
};

}  // namespace qv
