#include "gui/binding.h"

#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "gui/text.h"

namespace qv::gui {

namespace {

template <class T>
T* as(QObject* o) {
    return qobject_cast<T*>(o);
}

void setObjectVisible(QObject* o, bool visible) {
    if (auto* w = as<QWidget>(o)) {
        // Only a hidden child is shown: the window itself is shown by the desktop.
        if (w->isWindow()) return;
        w->setVisible(visible);
    } else if (auto* a = as<QAction>(o)) {
        a->setVisible(visible);
    }
}

void setObjectEnabled(QObject* o, bool enabled) {
    if (auto* w = as<QWidget>(o))
        w->setEnabled(enabled);
    else if (auto* a = as<QAction>(o))
        a->setEnabled(enabled);
}

}  // namespace

void Binding::attach(QWidget* window, Form& form, std::span<const Control> table, Road road) {
    window_ = window;
    form_ = &form;
    road_ = std::move(road);
    for (const Control& c : table) {
        if (c.separator) continue;
        const int n = c.isArray() ? c.count : 1;
        for (int i = 0; i < n; ++i) {
            if (!c.hasIndex(i)) continue;
            QObject* object = nullptr;
            if (c.windowTitle) {
                object = window;
            } else {
                const QString name = QString::fromStdString(c.objectName(i));
                object = window->findChild<QObject*>(name);
            }
            if (!object) {
                missing_ << QString::fromStdString(c.objectName(i));
                continue;
            }
            bound_.push_back(Bound{&c, i, object, {}});
        }
    }
    for (Bound& b : bound_) connectEvents(b);
}

QObject* Binding::widgetOf(std::string_view name, int index) const {
    for (const Bound& b : bound_)
        if (b.control->name == name && b.index == index) return b.object;
    return nullptr;
}

Binding::Bound* Binding::boundFor(QObject* object) {
    for (Bound& b : bound_)
        if (b.object == object && !b.control->windowTitle) return &b;
    return nullptr;
}

void Binding::connectEvents(Bound& b) {
    const Control& c = *b.control;
    QObject* o = b.object;
    if (c.windowTitle) return;
    if (auto* label = as<QLabel>(o)) label->setTextFormat(Qt::PlainText);

    // Every edit reaches the form at once.
    if (auto* edit = as<QLineEdit>(o)) {
        connect(edit, &QLineEdit::textEdited, this, [this, edit] {
            Bound* x = boundFor(edit);
            if (!x) return;
            pushOne(*x);
            // A box whose form follows every change (a balance beside it).
            if (auto* change = x->control->change) {
                Form* form = form_;
                const int index = x->index;
                road_([form, change, index] { change(*form, index); });
            }
        });
    } else if (auto* combo = as<QComboBox>(o)) {
        if (combo->isEditable())
            connect(combo, &QComboBox::editTextChanged, this, [this, combo] {
                if (Bound* x = boundFor(combo); x && !pulling_) pushOne(*x);
            });
        else
            connect(combo, &QComboBox::activated, this, [this, combo] {
                if (Bound* x = boundFor(combo)) pushOne(*x);
            });
    }

    if (c.keyPress || c.keyDown || c.gotFocus || c.selectAllOnEntry || c.mouseDown) o->installEventFilter(this);

    if (!c.click) {
        // A menu entry without a procedure cannot be chosen.
        if (c.isCommand()) setObjectEnabled(o, false);
        if (auto* button = as<QAbstractButton>(o); button && c.value != Control::Value::Text)
            connect(button, &QAbstractButton::toggled, this, [this, button] {
                if (Bound* x = boundFor(button); x && !pulling_) pushOne(*x);
            });
        return;
    }
    if (auto* button = as<QAbstractButton>(o)) {
        // The clicked value is in the form before the procedure runs.
        connect(button, &QAbstractButton::clicked, this, [this, button] {
            if (Bound* x = boundFor(button)) {
                pushOne(*x);
                runClick(*x);
            }
        });
    } else if (auto* action = as<QAction>(o)) {
        connect(action, &QAction::triggered, this, [this, action] {
            if (Bound* x = boundFor(action)) runClick(*x);
        });
    } else if (auto* calendar = as<QCalendarWidget>(o)) {
        connect(calendar, &QCalendarWidget::clicked, this, [this, calendar] {
            if (Bound* x = boundFor(calendar)) runClick(*x);
        });
    } else {
        // A box or label that answers a click.
        o->installEventFilter(this);
    }
}

void Binding::runClick(const Bound& b) {
    Form* form = form_;
    auto* procedure = b.control->click;
    const int index = b.index;
    road_([form, procedure, index] { procedure(*form, index); });
}

namespace {

// Stands for a typed character beyond ASCII: no numeric box takes it, and a
// box whose filter lets it through gets the character as typed.
constexpr char kNotAscii = '\x7F';

// The character a key event types, as the forms see it: backspace and Enter
// included; 0 for a key that types nothing (arrows, function keys, shortcuts).
char typedCharacter(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Backspace) return '\b';
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return '\r';
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    const QString text = key->text();
    if (text.size() != 1) return 0;
    const char16_t c = text[0].unicode();
    if (c < 0x20 || c == 0x7F) return 0;
    // A character beyond ASCII is no digit: numeric boxes refuse it, others
    // take it as typed.
    return c < 0x80 ? static_cast<char>(c) : kNotAscii;
}

int keyCode(const QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return kKeyCodeEnter;
        case Qt::Key_Left: return kKeyCodeLeft;
        case Qt::Key_Up: return kKeyCodeUp;
        case Qt::Key_Right: return kKeyCodeRight;
        case Qt::Key_Down: return kKeyCodeDown;
        default: return 0;
    }
}

}  // namespace

bool Binding::keyPressed(Bound& b, QKeyEvent* key) {
    const Control& c = *b.control;
    Form* form = form_;
    const int index = b.index;
    // The moves reach the form first; the box still gets the key (an arrow
    // moves the cursor in it).
    if (c.keyDown) {
        if (const int code = keyCode(key)) {
            auto* procedure = c.keyDown;
            road_([form, procedure, index, code] { procedure(*form, index, code); });
        }
    }
    if (!c.keyPress) return false;
    const char typed = typedCharacter(key);
    if (typed == 0) return false;
    char answer = 0;
    auto* procedure = c.keyPress;
    road_([&] { answer = procedure(*form, index, typed); });
    if (answer == typed) return typed == '\r' && as<QLineEdit>(b.object) != nullptr;  // Enter types nothing into a box
    if (answer != 0 && answer != '\r' && answer != kNotAscii) {
        if (auto* edit = as<QLineEdit>(b.object)) edit->insert(QString(QChar(answer)));
    }
    return true;
}

bool Binding::eventFilter(QObject* watched, QEvent* event) {
    Bound* b = nullptr;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // The press runs the form's MouseDown first; the click that
            // follows toggles the box as usual.
            auto* mouse = static_cast<QMouseEvent*>(event);
            auto* widget = as<QWidget>(watched);
            if (mouse->button() == Qt::LeftButton && widget && widget->isEnabled() && (b = boundFor(watched)) &&
                b->control->mouseDown) {
                Form* form = form_;
                auto* procedure = b->control->mouseDown;
                const int index = b->index;
                road_([form, procedure, index] { procedure(*form, index); });
            }
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            auto* widget = as<QWidget>(watched);
            if (mouse->button() == Qt::LeftButton && widget && widget->isEnabled() &&
                widget->rect().contains(mouse->position().toPoint())) {
                if ((b = boundFor(watched)) && b->control->click) runClick(*b);
            }
            break;
        }
        case QEvent::KeyPress:
            if ((b = boundFor(watched))) return keyPressed(*b, static_cast<QKeyEvent*>(event));
            break;
        case QEvent::FocusIn:
            if ((b = boundFor(watched))) {
                // Entering a box is no command: the form notes it, nothing else changes.
                if (b->control->gotFocus) b->control->gotFocus(*form_, b->index);
                if (b->control->selectAllOnEntry) {
                    QLineEdit* edit = as<QLineEdit>(watched);
                    if (auto* combo = as<QComboBox>(watched)) edit = combo->lineEdit();
                    if (edit) {
                        // After the mouse press that may have placed the cursor.
                        QMetaObject::invokeMethod(edit, &QLineEdit::selectAll, Qt::QueuedConnection);
                    }
                }
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void Binding::pull() {
    pulling_ = true;
    for (Bound& b : bound_) pullOne(b);
    pulling_ = false;
}

void Binding::push() {
    for (Bound& b : bound_) pushOne(b);
}

void Binding::pullOne(Bound& b) {
    const Control& c = *b.control;
    QObject* o = b.object;
    if (!o) return;
    Form& f = *form_;
    const QSignalBlocker block(o);
    if (c.text) {
        const QString s = shown(*c.text(f, b.index));
        b.pulled = s;
        if (c.windowTitle) {
            window_->setWindowTitle(s);
        } else if (auto* edit = as<QLineEdit>(o)) {
            if (edit->text() != s) edit->setText(s);
        } else if (auto* combo = as<QComboBox>(o)) {
            if (combo->isEditable()) {
                if (combo->currentText() != s) combo->setEditText(s);
            } else {
                combo->setCurrentIndex(combo->findText(s));
            }
        } else if (auto* label = as<QLabel>(o)) {
            label->setText(s);
        } else if (auto* button = as<QAbstractButton>(o)) {
            button->setText(s);
        } else if (auto* action = as<QAction>(o)) {
            action->setText(s);
        } else if (auto* group = as<QGroupBox>(o)) {
            group->setTitle(s);
        }
    } else if (c.check) {
        if (auto* button = as<QAbstractButton>(o)) button->setChecked(*c.check(f, b.index) != 0);
    } else if (c.option) {
        if (auto* button = as<QAbstractButton>(o)) button->setChecked(*c.option(f, b.index));
    } else if (c.date) {
        const Date* d = c.date(f, b.index);
        const QDate date(d->year, d->month, d->day);
        if (auto* calendar = as<QCalendarWidget>(o)) {
            calendar->setSelectedDate(date);
        } else if (auto* edit = as<QDateEdit>(o)) {
            edit->setDate(date);
        }
    }
    if (c.visible) setObjectVisible(o, *c.visible(f, b.index));
    if (c.enabled) setObjectEnabled(o, *c.enabled(f, b.index));
}

void Binding::pushOne(Bound& b) {
    const Control& c = *b.control;
    QObject* o = b.object;
    if (!o || c.windowTitle) return;
    Form& f = *form_;
    if (c.text) {
        QString now;
        if (auto* edit = as<QLineEdit>(o))
            now = edit->text();
        else if (auto* combo = as<QComboBox>(o))
            now = combo->currentText();
        else
            return;  // captions are shown, never typed
        if (now == b.pulled) return;
        *c.text(f, b.index) = typed(now);
        b.pulled = now;
    } else if (c.check) {
        if (auto* button = as<QAbstractButton>(o)) *c.check(f, b.index) = button->isChecked() ? 1 : 0;
    } else if (c.option) {
        if (auto* button = as<QAbstractButton>(o)) *c.option(f, b.index) = button->isChecked();
    }
}

}  // namespace qv::gui
