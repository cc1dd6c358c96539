// The ledger's columns, shared by the grid and the totals strip under it so
// that every sum stands under its column: the period number, the date, then
// the fifteen amounts (Federal ... K-Plan, Tips, OT, Net, Gross).
#pragma once

class QGridLayout;
class QWidget;

namespace qv::gui {

struct LedgerColumns {
    static constexpr int kNumber = 0;
    static constexpr int kDate = 1;
    static constexpr int kFirstAmount = 2;
    static constexpr int kCount = 17;
    // The grid column of heading k ("Federal" is 1 ... "Gross" is 15);
    // "Week" (0) spans the number and the date.
    static constexpr int ofHeading(int k) { return k + 1; }

    int number = 0;
    int date = 0;
    int amount = 0;

    // Widths that hold "53", "12/31/2018" and "-99999.00" in `w`'s font.
    static LedgerColumns of(const QWidget& w);
    int width(int column) const;
    // Fixed column widths and the spacing both layouts use.
    void apply(QGridLayout& layout) const;
};

}  // namespace qv::gui
