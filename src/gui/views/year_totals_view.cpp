#include "gui/views/year_totals_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <array>

#include "gui/desktop.h"
#include "gui/views/ledger_columns.h"
#include "gui/views/ledger_frame_view.h"
#include "gui/widgets.h"
#include "ledger/frm_year_tot.h"

namespace qv::gui {

namespace {

struct Sum {
    int heading;                // the grid's heading index the box stands under
    std::string_view caption;   // empty: a deduction heading the form names
    std::string_view box;
};
// Row one, left to right, as the grid's columns (Tips has its sum on row two).
constexpr std::array<Sum, 14> kSums = {{{1, "Federal", "txtTotFed"},
                                        {2, "SS", "txtTotSS"},
                                        {3, "Medi", "txtTotMedi"},
                                        {4, "State", "txtTotState"},
                                        {5, "City", "txtTotCity"},
                                        {6, "", "txtTotMuni"},
                                        {7, "", "txtTotBond"},
                                        {8, "", "txtTotDues"},
                                        {9, "", "txtTotPen"},
                                        {10, "", "txtTotMisc"},
                                        {11, "K-Plan", "txtTotKplan"},
                                        {13, "OT", "txtTotOT"},
                                        {14, "Net", "txtTotNet"},
                                        {15, "Gross", "txtTotGross"}}};

constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kOthers = {
    {{"Cafeteria Plan:", "txtTotCafe"}, {"SDI:", "txtTotSdi"}, {"SUI:", "txtTotSui"}, {"Tips:", "txtTotTips"}}};

constexpr int kFirstDeduction = 6;

QLineEdit* sumBox(Widgets& w, std::string_view name, int width) {
    auto* box = w.make<QLineEdit>(name);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(width);
    return box;
}

}  // namespace

YearTotalsView::YearTotalsView(Desktop& desktop, FrmYearTot& form)
    : QWidget(nullptr), View(desktop, form, this, Modality::Beside) {
    setObjectName(QStringLiteral("frmYearTot"));
    Widgets w(FrmYearTot::controls());
    const LedgerColumns columns = LedgerColumns::of(*this);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 6, 0, 0);
    auto* table = new QGridLayout;
    columns.apply(*table);
    for (const Sum& s : kSums) {
        const int column = LedgerColumns::ofHeading(s.heading);
        QLabel* heading = s.caption.empty() ? w.make<QLabel>("lbDedName", s.heading - kFirstDeduction)
                                            : Widgets::fixed(s.caption);
        heading->setAlignment(Qt::AlignCenter);
        table->addWidget(heading, 0, column);
        table->addWidget(sumBox(w, s.box, columns.amount), 1, column);
    }
    page->addLayout(table);

    auto* others = new QHBoxLayout;
    auto* title = Widgets::fixed("TOTALS:");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    others->addWidget(title);
    for (const auto& [caption, box] : kOthers) {
        others->addSpacing(12);
        auto* label = Widgets::fixed(caption);
        auto* edit = sumBox(w, box, columns.amount);
        label->setBuddy(edit);
        others->addWidget(label);
        others->addWidget(edit);
    }
    others->addStretch(1);
    page->addLayout(others);

    LedgerFrameView::of(desktop).holdTotals(this);
    bindControls(FrmYearTot::controls());
}

}  // namespace qv::gui
