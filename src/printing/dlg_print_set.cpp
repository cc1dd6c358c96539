#include "printing/dlg_print_set.h"

#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "employee/profile_files.h"
#include "paysheet/app.h"
#include "printing/check_print.h"
#include "printing/print_sources.h"

namespace qv {

DlgPrintSet& App::dlgPrintSet() { return formIn(dlgPrintSet_); }

namespace {

int roundedOffset(long double v) {
    if (!std::isfinite(v)) return 0;
    v = std::clamp(v, -5.0L, 5.0L);
    return static_cast<int>(roundWholeEven(v));
}

// What Apply stores: the number the text starts with, held to the list's
// range so a typed "1e40" never reaches the profile file.
float storedOffset(std::string_view text) {
    double v = valueOf(text);
    if (!std::isfinite(v)) return 0;
    return static_cast<float>(std::clamp(v, -5.0, 5.0));
}

}  // namespace

int offsetChoice(std::string_view text) { return roundedOffset(static_cast<long double>(valueOf(text))); }

void DlgPrintSet::Form_Load() {
    App& a = app();
    LoadProfile(a);
    PrintHorz = roundedOffset(a.profile.CheckHorz);
    PrintVert = roundedOffset(a.profile.CheckVert);
    cboHorz = std::to_string(PrintHorz);
    cboVert = std::to_string(PrintVert);
    lbWeek = snapshotPaySheet(a).txtWeek;
}

bool DlgPrintSet::apply() {
    ensureLoaded();
    App& a = app();
    a.profile.CheckHorz = storedOffset(cboHorz);
    a.profile.CheckVert = storedOffset(cboVert);
    return SaveOT(a);
}

void DlgPrintSet::cmdApply_Click() { apply(); }

void DlgPrintSet::cmdPrint_Click() {
    // The offsets are saved first, so a check that cannot be printed still
    // keeps what the user chose.
    apply();
    PrintCheck(app());
    unload();
}

void DlgPrintSet::cmdCancel_Click() { unload(); }

std::span<const Control> DlgPrintSet::controls() {
    using D = DlgPrintSet;
    static constexpr Control kTable[] = {
        control<&D::cboVert>("cboVert"),
        control<&D::cboHorz>("cboHorz"),
        control<&D::lbWeek>("lbWeek"),
        command<&D::cmdApply_Click>("cmdApply"),
        command<&D::cmdPrint_Click>("cmdPrint").caption("Print Check"),
        command<&D::cmdCancel_Click>("cmdCancel"),
    };
    return kTable;
}

void DlgPrintSet::resetControls() { resetToDesign(*this, app()); }

}  // namespace qv
