#include "shell/frm_date_main.h"

#include "paysheet/app.h"
#include "paysheet/form1.h"

namespace qv {

FrmDateMain& App::frmDateMain() { return formIn(frmDateMain_); }

std::string* FrmDateMain::targetBox() { return &app().form1().txtWeek; }

}  // namespace qv
