// The non-resident dialog "NON City Resident": its boxes are the working copy
// of `NonCityTable`, which changes only when the dialog loads and at SAVE.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "local/non_city_table.h"
#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class DialogNonCity : public Form {
public:
    static constexpr std::string_view Caption = "NON City Resident";
    static constexpr std::string_view WarningText = "Enter 999999 in any Minimum Range Box that is not used.";

    explicit DialogNonCity(App& app) : Form(app) {}

    // Every control of the window.
    static std::span<const Control> controls();

    // "WEEKLY" table, rows 1 to 8 (index 0 to 7): "Minimum Range", "Subtract".
    std::array<std::string, 8> txtNonMinWk, txtNonExpWk;
    // "BIWEEKLY" table, rows 1 to 8.
    std::array<std::string, 8> txtNonMinBi, txtNonExpBi;
    // "Multiply by Percentage in Decimal".
    std::string txtNonPer;

    // Every empty box receives its default-table value.
    void ChkFor();
    // Copies the boxes into `app.nonCity`, each converted to a single. All or
    // nothing: false, and the record unchanged, when a box is no number.
    bool fillVarib();
    // Writes the default table into every box.
    void deFault();

    // "&SAVE": `ChkFor`, `fillVarib`, `SaveNonCityTable`, then the dialog is
    // unloaded (also when the file could not be written). A box that is no
    // number shows "Check your numbers" / "No blanks" / "Only numbers" and
    // keeps the dialog open with nothing saved.
    void OKButton_Click();
    // "&CANCEL": only hides; the boxes keep unsaved edits, the record is
    // unchanged.
    void CancelButton_Click();
    // "&DEFAULT".
    void cmdDefault_Click();
    // Typing into any box: false when the key is discarded.
    static bool txtKeyPress(char key);

    // Puts `t` into every box.
    void showTable(const NonCityTable& t);

protected:
    // `LoadNonCityTable`, `ChkFor`, `fillVarib`.
    void Form_Load() override;
    void resetControls() override;
};

}  // namespace qv
