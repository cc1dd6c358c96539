#include "gui/views/save_user_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "employee/frm_save_user.h"
#include "gui/desktop.h"
#include "gui/text.h"
#include "gui/widgets.h"

namespace qv::gui {

SaveUserView::SaveUserView(Desktop& desktop, FrmSaveUser& form)
    : QDialog(desktop.mainWindow()), View(desktop, form, this, Modality::Modal) {
    setObjectName(QStringLiteral("frmSaveUser"));
    setWindowTitle(shown(FrmSaveUser::kCaption));
    Widgets w(FrmSaveUser::controls());

    auto* page = new QVBoxLayout(this);
    page->addWidget(Widgets::fixed(FrmSaveUser::kLine1));
    page->addWidget(Widgets::fixed(FrmSaveUser::kLine2));
    auto* name = w.make<QLineEdit>("txtSaveUser");
    name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
    page->addWidget(name);

    auto* buttons = new QHBoxLayout;
    auto* save = w.make<QPushButton>("cmdSaveUser");
    save->setDefault(true);
    buttons->addWidget(save);
    buttons->addWidget(w.make<QPushButton>("cmdEnd"));
    buttons->addWidget(w.make<QPushButton>("cmdQuit"));
    page->addLayout(buttons);

    // Closing the prompt saves nothing, as "&No" does.
    onClose(&FrmSaveUser::cmdEnd_Click);
    bindControls(FrmSaveUser::controls());
}

}  // namespace qv::gui
