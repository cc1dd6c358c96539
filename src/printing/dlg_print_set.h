// "Printer Offset": the check's horizontal and vertical offsets, kept with
// the employee's profile, and the command that prints the check.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class DlgPrintSet : public Form {
public:
    explicit DlgPrintSet(App& app) : Form(app) {}

    static constexpr const char* kCaption = "Printer Offset";
    static constexpr const char* kHeading = "OFFSET ADJUSTMENT";
    static constexpr const char* kVerticalLabel = "Vertical";
    static constexpr const char* kHorizontalLabel = "Horizontal ";
    static constexpr const char* kInstructions =
        "Before printing on actual checks, print on plain printer paper. Match up by holding the printed paper "
        "behind the actual blank check sheet and hold up to light. To adust change settings above until disired "
        "settings are achived";
    // Both drop-downs list these.
    static constexpr std::array<std::string_view, 11> kOffsets = {"+5", "+4", "+3", "+2", "+1", "0",
                                                                  "-1", "-2", "-3", "-4", "-5"};

    // Every control of the window.
    static std::span<const Control> controls();

    std::string cboVert;
    std::string cboHorz;
    std::string lbWeek;  // the pay date the check is for

    // The offsets of the check being printed: PrintHorz in tab columns,
    // PrintVert = the vertical choice + 3 (so -5 and -4 print on the first line).
    int PrintHorz = 0;
    int PrintVert = 0;

    void cmdApply_Click();
    void cmdPrint_Click();  // "Print Check"
    void cmdCancel_Click();

protected:
    void Form_Load() override;
    void resetControls() override;

private:
    bool apply();
};

// An offset choice as the check uses it: the number the text starts with,
// rounded half to even and held to the drop-downs' range -5 to +5; a text
// that is no number counts as 0.
int offsetChoice(std::string_view text);

}  // namespace qv
