#include "gui/views/check_view.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "gui/desktop.h"
#include "gui/text.h"
#include "gui/widgets.h"
#include "printing/frm_checks.h"

namespace qv::gui {

namespace {

QLineEdit* box(Widgets& w, std::string_view name, int characters) {
    auto* edit = w.make<QLineEdit>(name);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters);
    return edit;
}

}  // namespace

CheckView::CheckView(Desktop& desktop, FrmChecks& form)
    : QMainWindow(nullptr), View(desktop, form, this, Modality::Beside) {
    setObjectName(QStringLiteral("frmChecks"));
    setWindowTitle(shown(FrmChecks::kCaption));
    Widgets w(FrmChecks::controls());

    auto* print = w.make<QAction>("mnuPrintCheck");
    print->setParent(this);
    print->setText(QStringLiteral("Print"));
    menuBar()->addAction(print);

    // Laid out as the pre-printed check: the company and the date on top,
    // the payee and the figures, the words, the employee, the memo.
    auto* face = new QWidget;
    face->setObjectName(QStringLiteral("checkFace"));
    auto* grid = new QGridLayout(face);
    grid->setHorizontalSpacing(10);

    auto* company = w.make<QLineEdit>("txtCheckCompany");
    grid->addWidget(company, 0, 0, 1, 3);
    grid->addWidget(Widgets::fixed("DATE"), 0, 3, Qt::AlignRight);
    grid->addWidget(box(w, "txtCheckDate", 12), 0, 4);

    grid->addWidget(Widgets::fixed("PAY TO THE ORDER OF"), 1, 0);
    grid->addWidget(box(w, "txtPayTo", 40), 1, 1, 1, 2);
    grid->addWidget(Widgets::fixed("$"), 1, 3, Qt::AlignRight);
    grid->addWidget(box(w, "txtCheckAmt", 14), 1, 4);

    grid->addWidget(box(w, "txtDollars", 60), 2, 0, 1, 4);
    grid->addWidget(Widgets::fixed("DOLLARS"), 2, 4);

    grid->setRowMinimumHeight(3, 12);
    grid->addWidget(box(w, "txtUserName", 30), 4, 1);
    grid->addWidget(box(w, "txtUserSSnum", 12), 4, 2);
    grid->addWidget(box(w, "txtUserAddress", 30), 5, 1);
    grid->addWidget(box(w, "txtUserState", 30), 6, 1);

    grid->setRowMinimumHeight(7, 12);
    grid->addWidget(Widgets::fixed("MEMO"), 8, 0);
    grid->addWidget(box(w, "txtMemo", 30), 8, 1);
    grid->setColumnStretch(1, 1);
    setCentralWidget(face);

    bindControls(FrmChecks::controls());
}

FrmChecks& CheckView::checks() { return static_cast<FrmChecks&>(form()); }

// The check is refilled from the pay sheet whenever its window becomes the
// active one; after the activation, so the desktop's refresh is not
// re-entered while it shows the window.
bool CheckView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(
            this, [this] { run([this] { checks().Form_GotFocus(); }); }, Qt::QueuedConnection);
    return QMainWindow::event(event);
}

void CheckView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) run([this] { checks().Form_Click(); });
    QMainWindow::mousePressEvent(event);
}

}  // namespace qv::gui
