// The About box: the maker's brand word, the product title and the version.
// A view binds kBrand, kProductTitle, lblVersion and kOKCaption, and calls
// cmdOK_Click() for the button (closing by the frame does the same). Modal.
#pragma once

#include <string>
#include <string_view>

#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class FrmAboutSpcl : public Form {
public:
    explicit FrmAboutSpcl(App& app) : Form(app) {}

    static constexpr std::string_view kBrand = "VORNAXEL";
    static constexpr std::string_view kProductTitle = "Quorvane 2018";
    static constexpr std::string_view kOKCaption = "OK";
    // This edition's version numbers.
    static constexpr int kMajor = 18, kMinor = 0, kRevision = 0;

    // "Version 18.0.0" once the box has opened.
    std::string lblVersion;

    // Every control of the window.
    static std::span<const Control> controls();

    // The menu "&About": shows the box.
    void open() { show(); }
    void cmdOK_Click() { unload(); }

protected:
    void Form_Load() override;
    void resetControls() override { resetToDesign(*this, app()); }
};

}  // namespace qv
