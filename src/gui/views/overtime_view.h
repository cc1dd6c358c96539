// The overtime tracker "OverTime Percentage" (form Form2): the salary and the
// approved percentage, two columns of week rows (week-ending date and
// overtime amount), the results and the commands TOTAL, New Week, Undo,
// Print and Back. Enter and the arrows move between the rows as the form
// says; a click in a week-ending box opens the date picker for its row.
#pragma once

#include <QWidget>

#include "gui/view.h"

class QScrollArea;

namespace qv {
class Form2;
}

namespace qv::gui {

class OvertimeView : public QWidget, public View {
public:
    OvertimeView(Desktop& desktop, Form2& form);

    void beforeEvent() override;
    void pull() override;

protected:
    bool event(QEvent* event) override;

private:
    Form2& tracker();
    QWidget* buildRows(int first, int last, const char* name);
    QWidget* buildResults();

    QWidget* secondColumn_ = nullptr;
    QScrollArea* scroll_ = nullptr;
};

}  // namespace qv::gui
