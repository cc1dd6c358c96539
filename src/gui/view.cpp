#include "gui/view.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QWidget>

#include "gui/desktop.h"

namespace qv::gui {

// Watches the window's frame: a close request and Escape become the form's
// procedure on the road; the window closes when the form says so.
class View::Frame : public QObject {
public:
    Frame(View& view) : QObject(view.window()), view_(view) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != view_.window()) return false;
        // The desktop hides windows, never closes them: a close is the user's.
        if (event->type() == QEvent::Close) {
            event->ignore();
            view_.closeRequested();
            return true;
        }
        if (event->type() == QEvent::KeyPress && view_.escapeCloses_) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                view_.closeRequested();
                return true;
            }
        }
        return false;
    }

private:
    View& view_;
};

View::View(Desktop& desktop, Form& form, QWidget* window, Modality modality)
    : desktop_(desktop), form_(form), window_(window), modality_(modality), frame_(new Frame(*this)) {
    window_->installEventFilter(frame_);
}

// The window outlives this part of it (a view's View base is destroyed
// first): its frame watcher must not see the window's last events.
View::~View() { delete frame_; }

void View::bindControls(std::span<const Control> table) {
    binding_.attach(window_, form_, table, [this](const std::function<void()>& call) { run(call); });
}

void View::pull() { binding_.pull(); }
void View::push() { binding_.push(); }

void View::run(const std::function<void()>& procedure) { desktop_.run(this, procedure); }

void View::onClose(std::function<void()> procedure, bool escapeToo) {
    close_ = std::move(procedure);
    escapeCloses_ = escapeToo;
}

void View::closeRequested() {
    if (close_)
        run(close_);
    else
        run([this] { form_.hide(); });
}

}  // namespace qv::gui
