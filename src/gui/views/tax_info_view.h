// The employee profile "User Info" (form frmTaxInfo), modal: filing statuses
// and exemptions, pay frequency, exemption flags, the name and address for
// the check, the deductions with their captions, the rates and Save / Close.
#pragma once

#include <QDialog>

#include "gui/view.h"

namespace qv {
class FrmTaxInfo;
}

namespace qv::gui {

class TaxInfoView : public QDialog, public View {
public:
    TaxInfoView(Desktop& desktop, FrmTaxInfo& form);

private:
    QWidget* buildStatus();
    QWidget* buildDeductions();
    QWidget* buildRates();
};

}  // namespace qv::gui
