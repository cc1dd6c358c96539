#include "gui/views/ledger_columns.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QWidget>

namespace qv::gui {

namespace {
// Room for a box's frame and a little air on either side of the text.
constexpr int kPadding = 12;
constexpr int kSpacing = 2;
}  // namespace

LedgerColumns LedgerColumns::of(const QWidget& w) {
    const QFontMetrics m = w.fontMetrics();
    LedgerColumns c;
    c.number = m.horizontalAdvance(QStringLiteral("53")) + kPadding;
    c.date = m.horizontalAdvance(QStringLiteral("12/31/2018")) + kPadding;
    c.amount = m.horizontalAdvance(QStringLiteral("-99999.00")) + kPadding;
    return c;
}

int LedgerColumns::width(int column) const {
    if (column == kNumber) return number;
    if (column == kDate) return date;
    return amount;
}

void LedgerColumns::apply(QGridLayout& layout) const {
    layout.setHorizontalSpacing(kSpacing);
    layout.setVerticalSpacing(kSpacing);
    layout.setContentsMargins(0, 0, 0, 0);
    for (int c = 0; c < kCount; ++c) layout.setColumnMinimumWidth(c, width(c));
    layout.setColumnStretch(kCount, 1);
}

}  // namespace qv::gui
