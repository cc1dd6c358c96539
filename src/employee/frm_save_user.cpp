#include "employee/frm_save_user.h"

#include "common/file_io.h"
#include "common/messages.h"
#include "employee/new_open_save.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"

namespace qv {

FrmSaveUser& App::frmSaveUser() {
    FrmSaveUser& f = formIn(frmSaveUser_);
    // Touching the prompt loads it, so its name box always holds the name.
    f.ensureLoaded();
    return f;
}

FrmSaveUser::FrmSaveUser(App& app) : Form(app) {}

void FrmSaveUser::Form_Load() {
    txtSaveUser = app().UserFile;
    txtSaveUserSelected = false;
}

std::span<const Control> FrmSaveUser::controls() {
    static constexpr Control kTable[] = {
        control<&FrmSaveUser::txtSaveUser>("txtSaveUser").tip(kNameTip).selectsAll(),
        command<&FrmSaveUser::cmdSaveUser_Click>("cmdSaveUser").caption("&Save"),
        command<&FrmSaveUser::cmdEnd_Click>("cmdEnd").caption("&No"),
        command<&FrmSaveUser::cmdQuit_Click>("cmdQuit").caption("&Quit"),
    };
    return kTable;
}

void FrmSaveUser::resetControls() {
    resetToDesign(*this, app());
    txtSaveUserSelected = false;
}

void FrmSaveUser::showModal() {
    show();
    if (modalUser)
        modalUser(*this);
    else
        cmdEnd_Click();
    // A prompt the user left open is closed with the modal loop.
    if (loaded) unload();
}

bool FrmSaveUser::cmdSaveUser_Click() {
    ensureLoaded();
    // The name becomes every file's name: refuse it before anything is written.
    if (std::string problem = fileNameProblem(txtSaveUser); !problem.empty()) {
        app().ui().message(unusableSaveNameMessage(txtSaveUser, problem), "Save");
        return false;
    }
    App& a = app();
    a.UserFile = txtSaveUser;
    std::string title = txtSaveUser;
    if (!saveEmployeeFiles(a)) return false;

    Form1& sheet = a.form1();
    sheet.lbUser = a.UserFile;
    // The default files have no name to show: the window keeps its title.
    sheet.Caption = title.empty() ? std::string(Form1::kTitle) : title;
    closeEmployeeWindows(a);
    unload();
    closePromptCompanions(a);
    return true;
}

void FrmSaveUser::cmdEnd_Click() {
    closeCheckWindow(app());
    unload();
}

void FrmSaveUser::cmdQuit_Click() {
    App& a = app();
    unload();
    closeAllWindows(a);
    a.form1().programEnded = true;
}

}  // namespace qv
