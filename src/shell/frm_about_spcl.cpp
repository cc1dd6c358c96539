#include "shell/frm_about_spcl.h"

#include "paysheet/app.h"

namespace qv {

FrmAboutSpcl& App::frmAboutSpcl() { return formIn(frmAboutSpcl_); }

std::span<const Control> FrmAboutSpcl::controls() {
    static constexpr Control kTable[] = {
        control<&FrmAboutSpcl::lblVersion>("lblVersion"),
        command<&FrmAboutSpcl::cmdOK_Click>("cmdOK").caption(kOKCaption),
    };
    return kTable;
}

void FrmAboutSpcl::Form_Load() {
    lblVersion = "Version " + std::to_string(kMajor) + "." + std::to_string(kMinor) + "." + std::to_string(kRevision);
}

}  // namespace qv
