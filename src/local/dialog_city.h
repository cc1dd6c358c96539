// The city tax dialog "City (Local) Tax Tables": its boxes are the working
// copy of `CityTaxTables`, which changes only when the dialog opens and at
// SAVE.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "local/city_tables.h"
#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class DialogCity : public Form {
public:
    static constexpr std::string_view Caption = "City (Local) Tax Tables";
    static constexpr std::string_view WarningText = "Enter 999999 in any Minimum Range Box that is not used.";
    static constexpr std::string_view WeeklyNote =
        "When you enter the above biweekly info, the weekly tables will be configured for half the amount "
        "including the exemptions.";

    explicit DialogCity(App& app) : Form(app) {}

    // Every control of the window.
    static std::span<const Control> controls();

    // Rows 1 to 10 (index 0 to 9) of "Table for SINGLE Persons".
    std::array<std::string, 10> txtCityMinBS, txtCityAmtBS, txtCityPerBS;
    // Rows 1 to 10 of "Table for MARRIED Persons".
    std::array<std::string, 10> txtCityMinBM, txtCityAmtBM, txtCityPerBM;
    // Allowances for 0 to 9 exemptions, "SINGLE" and "MARRIED".
    std::array<std::string, 10> txtCitySgExp, txtCityMarExp;
    // "NO LOCAL TAX".
    int ckNoLocalTax = 0;

    // Every empty box receives its default (the New York value of its cell);
    // a box with any text, even a space, is left alone.
    void CheckFor();
    // Copies the boxes into `app.city`: `NoLocalTax` from the check box, each
    // table and allowance value converted to a single. All or nothing: when a
    // box does not hold a number the record is left unchanged and false is
    // returned.
    bool fillVar();

    // "&SAVE": `CheckFor`, `fillVar`, `SaveCityTables`, then the dialog
    // closes (also when the file could not be written). A box that is no
    // number shows "Check your numbers" / "No blanks" / "Only numbers" and
    // keeps the dialog open with nothing saved.
    void OKButton_Click();
    // "&CANCEL": closes the dialog; the record keeps what the opening gave it.
    void CancelButton_Click();
    // "&New York": clears "NO LOCAL TAX", then writes the New York tables
    // into every box.
    void cmdDefault_Click();
    // "CLEAR ALL": every minimum becomes 999999, every other box 0.
    void cmdClearMe_Click();
    // "NO LOCAL TAX" clicked (the box already holds its new value): checked
    // clears the boxes as "CLEAR ALL" does; unchecked refills them from the
    // record's tables. The record's `NoLocalTax` follows only at SAVE.
    void ckNoLocalTax_Click();
    // Setting the box from code acts as a click when the value changes.
    void setNoLocalTax(int value);
    // Typing into any box: false when the key is discarded.
    static bool txtKeyPress(char key);

    // Puts `t`'s tables and allowances into the boxes (not the check box).
    void showTables(const CityTaxTables& t);

protected:
    // `LoadCityTables`, `CheckFor`, `fillVar`.
    void Form_Load() override;
    void resetControls() override;
};

}  // namespace qv
