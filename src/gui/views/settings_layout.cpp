#include "gui/views/settings_layout.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/widgets.h"

namespace qv::gui {

namespace {
// The same gap between rows in the table and in its row numbers keeps each
// number level with its boxes.
constexpr int kRowGap = 4;
}  // namespace

QLabel* columnHeading(QLabel* label) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return label;
}

QLabel* wrapped(QLabel* label) {
    label->setWordWrap(true);
    return label;
}

QLineEdit* numberBox(Widgets& w, std::string_view name, int index) {
    auto* box = w.make<QLineEdit>(name, index);
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("999999.0000")) + 12);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return box;
}

QGridLayout* boxTable(Widgets& w, QWidget* numbersHeading, const QString& numbersName, int firstNumber, int rows,
                      std::initializer_list<TableColumn> columns) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(kRowGap);
    if (numbersHeading) grid->addWidget(numbersHeading, 0, 0, Qt::AlignHCenter | Qt::AlignBottom);

    auto* numbers = new QWidget;
    numbers->setObjectName(numbersName);
    auto* numberColumn = new QVBoxLayout(numbers);
    numberColumn->setContentsMargins(0, 0, 0, 0);
    numberColumn->setSpacing(kRowGap);

    int column = 1;
    for (const TableColumn& c : columns) {
        if (c.heading) grid->addWidget(c.heading, 0, column);
        grid->setColumnStretch(column, 1);
        ++column;
    }
    for (int r = 0; r < rows; ++r) {
        column = 1;
        int height = 0;
        for (const TableColumn& c : columns) {
            auto* box = numberBox(w, c.boxes, r);
            height = std::max(height, box->sizeHint().height());
            grid->addWidget(box, r + 1, column++);
        }
        auto* number = new QLabel(QString::number(firstNumber + r));
        number->setAlignment(Qt::AlignCenter);
        number->setFixedHeight(height);
        numberColumn->addWidget(number);
    }
    grid->addWidget(numbers, 1, 0, rows, 1, Qt::AlignTop);
    return grid;
}

QLabel* bolded(QLabel* label) {
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QHBoxLayout* warningRow(QLabel* word, QLabel* text) {
    auto* row = new QHBoxLayout;
    row->addWidget(bolded(word));
    row->addWidget(wrapped(text), 1);
    return row;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> left, std::initializer_list<QWidget*> right) {
    auto* row = new QHBoxLayout;
    // Enter in a box of the window presses no button unless the view makes
    // one the default: a table is filled with Enter between its boxes.
    auto add = [row](QWidget* b) {
        if (auto* button = qobject_cast<QPushButton*>(b)) button->setAutoDefault(false);
        row->addWidget(b);
    };
    for (QWidget* b : left) add(b);
    row->addStretch(1);
    for (QWidget* b : right) add(b);
    return row;
}

FittingScroll::FittingScroll(QWidget* body) {
    setWidget(body);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
}

QSize FittingScroll::sizeHint() const {
    QSize want = widget()->sizeHint();
    const QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
    if (!screen) return want;
    // Room for the window's frame, its buttons and the scroll bars.
    const QSize room = screen->availableGeometry().size() * 0.85;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (want.height() > room.height()) want.rwidth() += bar;
    if (want.width() > room.width()) want.rheight() += bar;
    return want.boundedTo(room);
}

}  // namespace qv::gui
