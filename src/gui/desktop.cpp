#include "gui/desktop.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <exception>

#include "common/messages.h"
#include "employee/frm_save_user.h"
#include "gui/text.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"

namespace qv::gui {

Desktop::Desktop(App& app) : app_(app) {
    // The save prompt waits for its answer in the middle of New, Open and
    // Exit: the desktop runs it modally there.
    app_.frmSaveUser().modalUser = [this](FrmSaveUser& prompt) { runModal(prompt); };
}

Desktop::~Desktop() {
    app_.frmSaveUser().modalUser = nullptr;
    // Views are torn down before the forms they show, each window before the
    // window that holds it.
    while (!views_.empty()) views_.pop_back();
}

void Desktop::start() {
    app_.form1().show();
    refresh();
}

void Desktop::run(View* from, const std::function<void()>& procedure) {
    if (ended_) return;
    if (from) from->push();
    for (auto& view : views_) view->beforeEvent();
    try {
        procedure();
    } catch (const std::exception& e) {
        // No input may end the program; the user is told what failed.
        QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Quorvane"),
                              shown(commandFailedMessage(e.what())));
    }
    refresh();
}

View* Desktop::viewOf(const Form& form) const {
    for (const auto& view : views_)
        if (&view->form() == &form) return view.get();
    return nullptr;
}

QWidget* Desktop::mainWindow() const {
    View* sheet = nullptr;
    for (Form* f : app_.createdForms())
        if (dynamic_cast<Form1*>(f)) sheet = viewOf(*f);
    return sheet ? sheet->window() : nullptr;
}

View* Desktop::ensureView(Form& form) {
    if (View* view = viewOf(form)) return view;
    return makeView(form);
}

View* Desktop::makeView(Form& form) {
    auto factory = factories_.find(std::type_index(typeid(form)));
    if (factory == factories_.end()) return nullptr;
    views_.push_back(factory->second(*this, form));
    return views_.back().get();
}

void Desktop::refresh() {
    if (ended_) return;
    if (app_.form1().programEnded) {
        endProgram();
        return;
    }
    // A copy: making a view may touch a form that was not made yet.
    const std::vector<Form*> forms = app_.createdForms();
    for (Form* form : forms) {
        View* view = viewOf(*form);
        const bool wanted = form->loaded && form->visible;
        if (!view && wanted) view = makeView(*form);
        if (!view) continue;
        if (form->loaded) view->pull();
        QWidget* w = view->window();
        if (wanted && !w->isVisible())
            show(*view);
        else if (!wanted && w->isVisible())
            w->hide();
    }
    for (auto& [form, loop] : modalLoops_)
        if (!form->loaded || !form->visible) loop->quit();
}

void Desktop::show(View& view) {
    QWidget* w = view.window();
    QWidget* sheet = mainWindow();
    if (view.modality() == View::Modality::Modal) {
        w->setWindowModality(Qt::ApplicationModal);
    } else if (sheet && w != sheet && !w->property("qvPlaced").toBool()) {
        // Beside the pay sheet, where the screen leaves room; else over it.
        w->adjustSize();
        const QRect frame = sheet->frameGeometry();
        QPoint at(frame.right() + 8, frame.top());
        if (QScreen* screen = sheet->screen()) {
            const QRect room = screen->availableGeometry();
            if (at.x() + w->width() > room.right()) at.setX(std::max(room.left(), room.right() - w->width()));
        }
        w->move(at);
        w->setProperty("qvPlaced", true);
    }
    w->show();
    w->raise();
    w->activateWindow();
}

void Desktop::runModal(Form& form) {
    refresh();
    if (ended_ || !form.loaded || !form.visible) return;
    QEventLoop loop;
    modalLoops_.emplace_back(&form, &loop);
    loop.exec(QEventLoop::DialogExec);
    modalLoops_.pop_back();
}

void Desktop::endProgram() {
    ended_ = true;
    for (auto& [form, loop] : modalLoops_) loop->quit();
    for (auto& view : views_) view->window()->hide();
    QCoreApplication::quit();
}

}  // namespace qv::gui
