#include "gui/views/tax_info_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "employee/frm_tax_info.h"
#include "gui/desktop.h"
#include "gui/text.h"
#include "gui/views/settings_layout.h"
#include "gui/widgets.h"

namespace qv::gui {

namespace {

using F = FrmTaxInfo;

// A status or exemption list; the user may also type into it.
template <std::size_t N>
QComboBox* listBox(Widgets& w, std::string_view name, const std::array<std::string_view, N>& items) {
    auto* box = w.make<QComboBox>(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view item : items) box->addItem(shown(item));
    return box;
}

// "Status" and "Exemptions" of one of the two groups.
QGroupBox* statusGroup(Widgets& w, const QString& title, std::string_view status, std::string_view depend) {
    auto* group = new QGroupBox(title);
    auto* row = new QHBoxLayout(group);
    auto* statusFrame = new QGroupBox(QStringLiteral("Status"));
    (new QVBoxLayout(statusFrame))->addWidget(listBox(w, status, F::kStatusList));
    auto* dependFrame = new QGroupBox(QStringLiteral("Exemptions"));
    (new QVBoxLayout(dependFrame))->addWidget(listBox(w, depend, F::kDependList));
    row->addWidget(statusFrame);
    row->addWidget(dependFrame);
    return group;
}

QLineEdit* textBox(Widgets& w, std::string_view name) {
    auto* box = w.make<QLineEdit>(name);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 18);
    return box;
}

}  // namespace

TaxInfoView::TaxInfoView(Desktop& desktop, FrmTaxInfo& form)
    : QDialog(desktop.mainWindow()), View(desktop, form, this, Modality::Modal) {
    setObjectName(QStringLiteral("frmTaxInfo"));
    setWindowTitle(shown(F::kCaption));
    Widgets w(F::controls());

    auto* body = new QWidget;
    auto* columns = new QHBoxLayout(body);
    columns->addWidget(buildStatus(), 0, Qt::AlignTop);
    columns->addWidget(buildDeductions(), 0, Qt::AlignTop);
    columns->addWidget(buildRates(), 0, Qt::AlignTop);

    auto* window = new QVBoxLayout(this);
    window->addWidget(new FittingScroll(body), 1);
    window->addLayout(buttonRow({}, {w.make<QPushButton>("cmdOk"), w.make<QPushButton>("Command1")}));

    // Escape and the frame's close box discard the edits, as "Close" does.
    onClose(&F::Command1_Click);
    bindControls(F::controls());
}

QWidget* TaxInfoView::buildStatus() {
    Widgets w(F::controls());
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(statusGroup(w, QStringLiteral("FEDERAL STATUS"), "cboStatus", "cboDepend"));
    layout->addWidget(statusGroup(w, QStringLiteral("STATE && CITY STATUS"), "cboStatus2", "cboDepend2"));

    auto* frequency = new QGroupBox;
    auto* options = new QHBoxLayout(frequency);
    auto* group = new QButtonGroup(frequency);
    for (std::string_view name : {"optWeek", "optBiWeek"}) {
        auto* option = w.make<QRadioButton>(name);
        group->addButton(option);
        options->addWidget(option);
    }
    layout->addWidget(frequency);

    auto* flags = new QGroupBox;
    auto* boxes = new QVBoxLayout(flags);
    for (std::string_view name : {"ckSelfEmp", "ckFedExemp", "ckNonCity", "ckSSMediExemp"})
        boxes->addWidget(w.make<QCheckBox>(name));
    layout->addWidget(flags);
    layout->addStretch(1);
    return column;
}

QWidget* TaxInfoView::buildDeductions() {
    Widgets w(F::controls());
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    // The name and address printed on the check.
    auto* address = new QGroupBox;
    auto* lines = new QVBoxLayout(address);
    for (std::string_view name : {"txtName", "txtAddress", "txtStateCityZip", "txtSSnum"})
        lines->addWidget(textBox(w, name));
    layout->addWidget(address);

    // Each deduction: its caption (the user's own), "$" or "%", the amount.
    auto* deductions = new QGroupBox;
    auto* grid = new QGridLayout(deductions);
    auto unit = [](const char* text) { return Widgets::fixed(text); };
    int row = 0;
    auto line = [&](QWidget* caption, QWidget* before, std::string_view amount, QWidget* after) {
        grid->addWidget(caption, row, 0);
        if (before) grid->addWidget(before, row, 1);
        grid->addWidget(numberBox(w, amount), row, 2);
        if (after) grid->addWidget(after, row, 3);
        ++row;
    };
    line(w.make<QLineEdit>("txtTax8"), nullptr, "txtPension", unit("%"));
    line(Widgets::fixed("K Plan"), w.make<QCheckBox>("ckKpFix"), "txtKplan", w.make<QCheckBox>("ckKpPer"));
    line(w.make<QLineEdit>("txtTax7"), unit("$"), "txtDues", nullptr);
    line(w.make<QLineEdit>("txtTax6"), unit("$"), "txtBond", nullptr);
    line(w.make<QLineEdit>("txtTax9"), unit("$"), "txtMisc", nullptr);
    line(w.make<QLineEdit>("txtTax5"), unit("$"), "txtMuni", nullptr);
    line(Widgets::fixed("Cafeteria Plan"), nullptr, "txtCafe", w.make<QCheckBox>("ckCafeState"));
    grid->setColumnStretch(2, 1);
    layout->addWidget(deductions);
    layout->addStretch(1);
    return column;
}

QWidget* TaxInfoView::buildRates() {
    Widgets w(F::controls());
    auto* rates = new QGroupBox;
    auto* grid = new QGridLayout(rates);
    const std::pair<const char*, std::string_view> rows[] = {{"Hourly Rate 1", "txtHourRate"},
                                                              {"Hourly Rate 2", "txtHourRate2"},
                                                              {"Tips Rate", "txtTipsRate"},
                                                              {"Additional Federal Withholdings", "txtFedAddL"}};
    int row = 0;
    for (const auto& [caption, name] : rows) {
        auto* label = wrapped(Widgets::fixed(caption));
        auto* box = numberBox(w, name);
        label->setBuddy(box);
        grid->addWidget(label, row, 0, 1, 2);
        grid->addWidget(Widgets::fixed("$"), row + 1, 0);
        grid->addWidget(box, row + 1, 1);
        row += 2;
    }
    grid->setRowStretch(row, 1);
    return rates;
}

}  // namespace qv::gui
