// The pay date picker: fills the pay sheet's pay date box `txtWeek`. Opened
// modally by a click in that box. See date_picker.h for what a view binds.
#pragma once

#include "shell/date_picker.h"

namespace qv {

class FrmDateMain : public DatePicker {
public:
    explicit FrmDateMain(App& app) : DatePicker(app) {}

    static constexpr std::string_view kOKCaption = "Ok";
    std::string_view cmdOKCaption() const override { return kOKCaption; }
    static std::span<const Control> controls() { return pickerControls<FrmDateMain>(); }

    // A click in the pay date box.
    void open() { openOnTarget(); }

protected:
    std::string* targetBox() override;
};

}  // namespace qv
