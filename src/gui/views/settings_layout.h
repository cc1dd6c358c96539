// Pieces shared by the settings windows: tables of numeric boxes with their
// row numbers, a scrolled body that opens as large as the screen allows, and
// the row of buttons at the foot of a dialog.
#pragma once

#include <QScrollArea>
#include <QString>

#include <initializer_list>
#include <string_view>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace qv::gui {

class Widgets;

// A column of a table: its heading and the control array of its boxes.
struct TableColumn {
    QWidget* heading;
    std::string_view boxes;
};

// A table of `rows` rows: row 0 holds the headings (`numbersHeading` over the
// row numbers), the rows below one box of each column. The row numbers
// `firstNumber`, `firstNumber`+1, ... sit in one widget named `numbersName`,
// a frame the window may grey as a whole, each number level with its boxes.
QGridLayout* boxTable(Widgets& w, QWidget* numbersHeading, const QString& numbersName, int firstNumber, int rows,
                      std::initializer_list<TableColumn> columns);

// A heading of a table column: wrapped, centred over its boxes.
QLabel* columnHeading(QLabel* label);

// A numeric box wide enough for "999999.0000", growing with its window.
QLineEdit* numberBox(Widgets& w, std::string_view name, int index = 0);

// A label whose long text wraps to the width it is given.
QLabel* wrapped(QLabel* label);

// The label in bold type.
QLabel* bolded(QLabel* label);

// "WARNING!" in bold and the warning's text beside it.
QHBoxLayout* warningRow(QLabel* word, QLabel* text);

// The buttons at the foot of a window: `left` from the left edge, `right`
// from the right one; none of them is pressed by Enter.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> left, std::initializer_list<QWidget*> right);

// A scrolled body that asks for the whole size of what it holds, up to the
// room on the screen: the window opens showing everything where it fits and
// scrolls where it does not (large text scaling).
class FittingScroll : public QScrollArea {
public:
    explicit FittingScroll(QWidget* body);
    QSize sizeHint() const override;
};

}  // namespace qv::gui
