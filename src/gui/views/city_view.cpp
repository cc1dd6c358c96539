#include "gui/views/city_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/desktop.h"
#include "gui/text.h"
#include "gui/views/settings_layout.h"
#include "gui/widgets.h"
#include "local/dialog_city.h"

namespace qv::gui {

namespace {

constexpr std::string_view kBiweekly = "BIWEEKLY ";

QLabel* heading(std::string_view text) { return columnHeading(Widgets::fixed(text)); }

// A frame headed `title` with "BIWEEKLY " inside, holding `table`.
QGroupBox* frameOf(std::string_view title, QLayout* table) {
    auto* frame = new QGroupBox(shown(title));
    auto* column = new QVBoxLayout(frame);
    column->addWidget(Widgets::fixed(kBiweekly), 0, Qt::AlignRight);
    column->addLayout(table);
    column->addStretch(1);
    return frame;
}

QGroupBox* bracketFrame(Widgets& w, std::string_view title, const QString& numbers,
                        std::array<std::string_view, 3> boxes) {
    return frameOf(title, boxTable(w, heading("Line"), numbers, 1, 10,
                                   {{heading("Minimum Range"), boxes[0]},
                                    {heading("Amount to Withhold"), boxes[1]},
                                    {heading("Multiply by Percentage in Decimal"), boxes[2]}}));
}

}  // namespace

CityView::CityView(Desktop& desktop, DialogCity& form)
    : QDialog(desktop.mainWindow()), View(desktop, form, this, Modality::Beside) {
    setObjectName(QStringLiteral("DialogCity"));
    setWindowTitle(shown(DialogCity::Caption));
    setSizeGripEnabled(true);
    Widgets w(DialogCity::controls());

    auto* body = new QWidget;
    auto* page = new QVBoxLayout(body);
    auto* tables = new QHBoxLayout;
    tables->addWidget(bracketFrame(w, "Table for SINGLE Persons", QStringLiteral("singleRows"),
                                   {"txtCityMinBS", "txtCityAmtBS", "txtCityPerBS"}),
                      3);
    tables->addWidget(bracketFrame(w, "Table for MARRIED Persons", QStringLiteral("marriedRows"),
                                   {"txtCityMinBM", "txtCityAmtBM", "txtCityPerBM"}),
                      3);
    tables->addWidget(frameOf("Withholding Allowance",
                              boxTable(w, heading("# of Exemp"), QStringLiteral("exemptionRows"), 0, 10,
                                       {{heading("SINGLE"), "txtCitySgExp"}, {heading("MARRIED"), "txtCityMarExp"}})),
                      2);
    page->addLayout(tables);

    page->addLayout(warningRow(Widgets::fixed("WARNING!"), Widgets::fixed(DialogCity::WarningText)));
    page->addWidget(wrapped(Widgets::fixed(DialogCity::WeeklyNote)));
    page->addWidget(w.make<QCheckBox>("ckNoLocalTax"));
    page->addStretch(1);

    auto* window = new QVBoxLayout(this);
    window->addWidget(new FittingScroll(body), 1);
    window->addLayout(buttonRow({w.make<QPushButton>("cmdDefault"), w.make<QPushButton>("cmdClearMe")},
                                {w.make<QPushButton>("OKButton"), w.make<QPushButton>("CancelButton")}));

    onClose(&DialogCity::CancelButton_Click);
    bindControls(DialogCity::controls());
}

}  // namespace qv::gui
