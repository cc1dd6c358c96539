// A window as data: its controls are plain members, its event procedures are
// methods. A form loads hidden the first time anything touches it.
#pragma once

namespace qv {

class App;

class Form {
public:
    explicit Form(App& app) : app_(app) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    bool loaded = false;
    bool visible = false;

    // Runs the load sequence the first time the form is touched.
    void ensureLoaded() {
        if (!loaded) {
            loaded = true;
            Form_Load();
        }
    }
    void show() {
        ensureLoaded();
        visible = true;
    }
    void hide() { visible = false; }
    // Drops the window: its controls return to their designed values and the
    // next touch loads it again.
    void unload() {
        resetControls();
        loaded = false;
        visible = false;
    }

protected:
    virtual void Form_Load() {}
    // Puts every control back to its designed value.
    virtual void resetControls() {}
    App& app() { return app_; }
    const App& app() const { return app_; }

private:
    App& app_;
};

}  // namespace qv
