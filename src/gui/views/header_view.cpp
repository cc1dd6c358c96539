#include "gui/views/header_view.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/desktop.h"
#include "gui/text.h"
#include "gui/views/settings_layout.h"
#include "gui/widgets.h"
#include "printing/print_heading.h"

namespace qv::gui {

HeaderView::HeaderView(Desktop& desktop, DialogHeader& form)
    : QDialog(desktop.mainWindow()), View(desktop, form, this, Modality::Beside) {
    setObjectName(QStringLiteral("DialogHeader"));
    setWindowTitle(shown(DialogHeader::kCaption));
    Widgets w(DialogHeader::controls());

    auto* page = new QVBoxLayout(this);
    auto* lines = new QFormLayout;
    // What each line of the heading holds, as printed at the top of the stub.
    const char* what[] = {"Company", "Address", "Zip Code", "ID Number"};
    for (int i = 0; i < 4; ++i) {
        auto* box = w.make<QLineEdit>("txtHeader", i);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 28);
        lines->addRow(QString::fromUtf8(what[i]), box);
    }
    page->addLayout(lines);
    auto* ok = w.make<QPushButton>("cmdOK");
    ok->setDefault(true);
    page->addLayout(buttonRow({}, {ok, w.make<QPushButton>("cmdCancel")}));

    onClose(&DialogHeader::cmdCancel_Click);
    bindControls(DialogHeader::controls());
}

}  // namespace qv::gui
