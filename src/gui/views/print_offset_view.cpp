#include "gui/views/print_offset_view.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/desktop.h"
#include "gui/text.h"
#include "gui/widgets.h"
#include "printing/dlg_print_set.h"

namespace qv::gui {

namespace {

QComboBox* offsets(Widgets& w, std::string_view name) {
    auto* combo = w.make<QComboBox>(name);
    // The list offers -5 to +5; a typed value is taken as the dialog reads it.
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view o : DlgPrintSet::kOffsets) combo->addItem(shown(o));
    return combo;
}

}  // namespace

PrintOffsetView::PrintOffsetView(Desktop& desktop, DlgPrintSet& form)
    : QDialog(desktop.mainWindow()), View(desktop, form, this, Modality::Beside) {
    setObjectName(QStringLiteral("dlgPrintSet"));
    setWindowTitle(shown(DlgPrintSet::kCaption));
    Widgets w(DlgPrintSet::controls());

    auto* page = new QVBoxLayout(this);
    auto* heading = Widgets::fixed(DlgPrintSet::kHeading);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);
    page->addWidget(heading);

    auto* choices = new QFormLayout;
    auto* vertical = offsets(w, "cboVert");
    auto* horizontal = offsets(w, "cboHorz");
    choices->addRow(Widgets::fixed(DlgPrintSet::kVerticalLabel), vertical);
    choices->addRow(Widgets::fixed(DlgPrintSet::kHorizontalLabel), horizontal);
    page->addLayout(choices);
    auto* week = w.make<QLabel>("lbWeek");
    week->setAlignment(Qt::AlignCenter);
    page->addWidget(week);

    auto* instructions = Widgets::fixed(DlgPrintSet::kInstructions);
    instructions->setWordWrap(true);
    instructions->setMinimumWidth(instructions->fontMetrics().averageCharWidth() * 44);
    page->addWidget(instructions);

    auto* buttons = new QHBoxLayout;
    auto* apply = w.make<QPushButton>("cmdApply");
    apply->setText(QStringLiteral("&Apply"));
    auto* cancel = w.make<QPushButton>("cmdCancel");
    cancel->setText(QStringLiteral("&Cancel"));
    auto* print = w.make<QPushButton>("cmdPrint");
    print->setDefault(true);
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    buttons->addWidget(print);
    page->addLayout(buttons);

    // Closing the dialog saves nothing, as "&Cancel" does.
    onClose(&DlgPrintSet::cmdCancel_Click);
    bindControls(DlgPrintSet::controls());
}

}  // namespace qv::gui
