#include "gui/views/about_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/desktop.h"
#include "gui/text.h"
#include "gui/views/picture.h"
#include "gui/widgets.h"
#include "shell/frm_about_spcl.h"

namespace qv::gui {

AboutView::AboutView(Desktop& desktop, FrmAboutSpcl& form)
    : QDialog(desktop.mainWindow()), View(desktop, form, this, Modality::Modal) {
    setObjectName(QStringLiteral("frmAboutSpcl"));
    setWindowTitle(QStringLiteral("About ") + shown(FrmAboutSpcl::kProductTitle));
    Widgets w(FrmAboutSpcl::controls());

    auto* page = new QHBoxLayout(this);
    page->addWidget(new Picture(QStringLiteral("logo.svg"), fontMetrics().height() * 5, {}), 0, Qt::AlignTop);
    auto* text = new QVBoxLayout;
    auto* brand = Widgets::fixed(FrmAboutSpcl::kBrand);
    QFont big = brand->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.8);
    brand->setFont(big);
    text->addWidget(brand);
    auto* title = Widgets::fixed(FrmAboutSpcl::kProductTitle);
    QFont larger = title->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.3);
    title->setFont(larger);
    text->addWidget(title);
    text->addWidget(w.make<QLabel>("lblVersion"));
    text->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = w.make<QPushButton>("cmdOK");
    ok->setDefault(true);
    buttons->addWidget(ok);
    text->addLayout(buttons);
    page->addLayout(text);

    onClose(&FrmAboutSpcl::cmdOK_Click);
    bindControls(FrmAboutSpcl::controls());
}

}  // namespace qv::gui
