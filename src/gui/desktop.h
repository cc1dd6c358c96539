// The desktop's one road for every user event, and the windows that follow
// the forms.
//
//   run(view, procedure):  push what the user typed in `view`, run the form's
//                          procedure, then refresh.
//   refresh():             pull every view whose form is loaded; show the view
//                          of a form that became visible (application-modal
//                          for a modal view, beside the pay sheet otherwise),
//                          hide the view of a form that was hidden or
//                          unloaded; end the program when the pay sheet says so.
//
// The core never calls Qt: the screen follows the forms because of this
// refresh. A view is made the first time its form is shown, from the
// factory registered with addView (views/views.cpp lists them all).
#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

#include "gui/view.h"

class QEventLoop;
class QWidget;

namespace qv {
class App;
}

namespace qv::gui {

class Desktop : public QObject {
public:
    explicit Desktop(App& app);
    ~Desktop() override;

    App& app() { return app_; }

    // Registers the view of form class F.
    template <class F, class V>
    void addView() {
        factories_[std::type_index(typeid(F))] = [](Desktop& d, Form& f) -> std::unique_ptr<View> {
            return std::make_unique<V>(d, static_cast<F&>(f));
        };
    }

    // Shows the pay sheet: the program's first window.
    void start();

    void run(View* from, const std::function<void()>& procedure);
    void refresh();

    // Shows `form`'s view modally and returns once the form is hidden or
    // unloaded (for procedures of the core that wait for the user's answer).
    void runModal(Form& form);

    // The view of a form, once it has been made; null before.
    View* viewOf(const Form& form) const;
    // The pay sheet's window: the parent of every other window.
    QWidget* mainWindow() const;

private:
    View* makeView(Form& form);
    void show(View& view);
    void endProgram();

    App& app_;
    std::map<std::type_index, std::function<std::unique_ptr<View>(Desktop&, Form&)>> factories_;
    // In the order they were made; the pay sheet's first, as the parent of
    // the other windows it is torn down last.
    std::vector<std::unique_ptr<View>> views_;
    std::vector<std::pair<Form*, QEventLoop*>> modalLoops_;
    bool ended_ = false;
};

}  // namespace qv::gui
