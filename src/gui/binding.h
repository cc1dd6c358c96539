// The one place where widgets meet form members. A view names each widget
// after its control (objectName "txtAmount_3", "lbNet", "mnuNew") and hands
// the form's control table to `attach`, which finds every widget by that
// name; from then on:
//   pull()  copies the form into the widgets (values, captions, visible and
//           enabled flags, the window's title);
//   push()  copies what the user typed or ticked into the form.
// Each edit is pushed as it happens, so the form always holds what the
// window shows. Clicks of commands (and of controls with an onClick
// procedure) are handed to the view's road.
//
// The keyboard of a box follows its form: every typed character goes
// through the control's KeyPress procedure (which keeps what a numeric box
// refuses out of it), the moves (Enter, arrows) through its KeyDown
// procedure, and entering a box runs its GotFocus procedure and selects the
// whole text where the table says so.
//
// Widgets by member type: a text is a QLineEdit, QComboBox, QLabel,
// QAbstractButton / QAction / QGroupBox (their caption) or the window's
// title; a check box an int in a QCheckBox; an option a bool in a
// QRadioButton (or any checkable button); a date a QCalendarWidget or
// QDateEdit, shown only: its view sends the user's change to the form's
// change procedure, which checks it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <span>
#include <vector>

#include "paysheet/controls.h"

class QKeyEvent;
class QWidget;

namespace qv::gui {

class Binding : public QObject {
public:
    // Runs a call of a form procedure along the desktop's road.
    using Road = std::function<void(const std::function<void()>& call)>;

    Binding() = default;

    void attach(QWidget* window, Form& form, std::span<const Control> table, Road road);

    void pull();
    void push();

    // "name" or "name_3" of every control element the window lacks.
    const QStringList& missing() const { return missing_; }
    // The widget (or action) bound to a control element; null when missing.
    QObject* widgetOf(std::string_view name, int index = 0) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Bound {
        const Control* control;
        int index;
        QPointer<QObject> object;
        // The text last pulled into the widget: pushing it back unchanged
        // leaves the member's bytes as they were.
        QString pulled;
    };
    void pullOne(Bound& b);
    void pushOne(Bound& b);
    void connectEvents(Bound& b);
    void runClick(const Bound& b);
    bool keyPressed(Bound& b, QKeyEvent* key);
    Bound* boundFor(QObject* object);

    QWidget* window_ = nullptr;
    Form* form_ = nullptr;
    Road road_;
    std::vector<Bound> bound_;
    QStringList missing_;
    bool pulling_ = false;
};

}  // namespace qv::gui
