// The desktop program on a fresh working folder, for the view tests: the
// real views and binding, the core answering dialogs from a script (a test
// that needs the Qt dialogs themselves makes a QtUi of its own).
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <string>

#include "gui/desktop.h"
#include "gui/views/views.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"
#include "platform/headless/scripted_ui.h"
#include "support/temp_folder.h"

namespace qv::testing {

class ViewSession {
public:
    explicit ViewSession(platform::Ui* ui = nullptr)
        : folder_("quorvane_views_"), clock_(Date{2018, 6, 1}),
          app_(ui ? *ui : static_cast<platform::Ui&>(scripted_), clock_, folder_) {
        std::filesystem::copy_file(std::filesystem::path(QUORVANE_DATA) / "Federal18.dtt",
                                   folder_ / "Federal18.dtt");
        desktop_ = std::make_unique<gui::Desktop>(app_);
        gui::addAllViews(*desktop_);
        desktop_->start();
    }
    ~ViewSession() { desktop_.reset(); }

    App& app() { return app_; }
    Form1& sheet() { return app_.form1(); }
    gui::Desktop& desktop() { return *desktop_; }
    platform::ScriptedUi& ui() { return scripted_; }
    const std::filesystem::path& folder() const { return folder_.path(); }

    // Runs a command of the pay sheet as its menu does and answers `form`,
    // the window it opens.
    Form& openFromSheet(void (Form1::*command)(), Form& form) {
        desktop_->run(desktop_->viewOf(sheet()), [this, command] { (sheet().*command)(); });
        return form;
    }

    // The window of a form's view; null while it has none.
    QWidget* windowOf(const Form& form) const {
        gui::View* v = desktop_->viewOf(form);
        return v ? v->window() : nullptr;
    }
    QWidget* sheetWindow() const { return desktop_->mainWindow(); }
    template <class W = QWidget>
    W* find(const Form& form, const QString& name) const {
        QWidget* w = windowOf(form);
        return w ? w->findChild<W*>(name) : nullptr;
    }

private:
    TempFolder folder_;
    platform::ScriptedUi scripted_;
    platform::FixedClock clock_;
    App app_;
    std::unique_ptr<gui::Desktop> desktop_;
};

}  // namespace qv::testing
