// One window of the desktop, showing one form.
//
// How a view is written (views/pay_sheet_view.cpp is the full example):
//
//   class SaveUserView : public QDialog, public View {
//   public:
//       SaveUserView(Desktop& desktop, FrmSaveUser& form)
//           : QDialog(desktop.mainWindow()), View(desktop, form, this, Modality::Modal) {
//           // Widgets in layouts, each named after its control:
//           auto* name = new QLineEdit;
//           name->setObjectName("txtSaveUser");
//           ...
//           auto* save = new QPushButton;  // caption and tip come from the table
//           save->setObjectName("cmdSaveUser");
//           ...
//           onClose(&FrmSaveUser::cmdEnd_Click);       // the frame's close box and Escape
//           bindControls(FrmSaveUser::controls());     // last: binds every widget by name
//       }
//   };
//
// and one line in views/views.cpp: `desktop.addView<FrmSaveUser, SaveUserView>();`.
//
// A view holds no state and computes nothing. It never opens another view
// and never shows or hides itself: each click runs the form's procedure on
// the desktop's road, and the desktop then pulls every view and shows or
// closes windows as the forms' `visible`/`loaded` say.
#pragma once

#include <QObject>

#include <functional>
#include <span>

#include "gui/binding.h"
#include "paysheet/controls.h"

class QWidget;

namespace qv::gui {

class Desktop;

class View {
public:
    enum class Modality {
        Beside,  // a window of its own next to the pay sheet, which stays usable
        Modal,   // blocks every other window of the program until it closes
    };

    View(Desktop& desktop, Form& form, QWidget* window, Modality modality);
    virtual ~View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    Form& form() const { return form_; }
    QWidget* window() const { return window_; }
    Modality modality() const { return modality_; }
    Desktop& desktop() const { return desktop_; }
    const Binding& binding() const { return binding_; }

    // The form into the widgets; the desktop calls it after every event. A
    // view that follows more of its form (the focus) extends it.
    virtual void pull();
    // What the user typed into the form.
    void push();
    // Called on every view before an event's procedure runs, so a view can
    // tell afterwards what the procedure changed (the pay sheet's focus).
    virtual void beforeEvent() {}

    // Runs a procedure of the form along the desktop's road.
    void run(const std::function<void()>& procedure);
    template <class F>
    void run(void (F::*procedure)()) {
        F& form = static_cast<F&>(form_);
        run([&form, procedure] { (form.*procedure)(); });
    }

    // The frame's close box (and Escape, for a dialog) runs this procedure.
    // Without one, closing the window hides the form.
    void onClose(std::function<void()> procedure, bool escapeToo = true);
    template <class F, class R>
    void onClose(R (F::*procedure)(), bool escapeToo = true) {
        // The form outlives its view: the close box may still be answered
        // while the view's window is being torn down.
        F& form = static_cast<F&>(form_);
        onClose([&form, procedure] { (form.*procedure)(); }, escapeToo);
    }

protected:
    // Binds every control of the table to the widget of its name; call it
    // last in the constructor, once every widget exists.
    void bindControls(std::span<const Control> table);

private:
    class Frame;
    void closeRequested();
    Desktop& desktop_;
    Form& form_;
    QWidget* window_;
    Modality modality_;
    Binding binding_;
    Frame* frame_;
    std::function<void()> close_;
    bool escapeCloses_ = true;
};

}  // namespace qv::gui
