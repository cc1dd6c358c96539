// The state methods as one table: for each method box of the state dialog,
// its caption, the preset that fills the dialog's tables, the tax computation,
// the record flag that remembers the choice, and how the dialog and the
// calculation treat it. The dialog's box handlers, its loader and fillVari,
// the presets' runner and the calculation's choice of method all read this
// table, so adding a state is a method file, a preset file and one row here.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "state/dialog_state.h"
#include "state/state_methods.h"
#include "state/state_settings.h"

namespace qv {

class App;

struct StateMethodRow {
    DialogState::MethodBox box;
    int DialogState::*checkBox;
    std::string_view caption;
    std::int16_t StateTaxSettings::*flag;   // the saved choice
    void (DialogState::*preset)();          // none for Arizona, which keeps the typed table
    StateMethod tax;                        // none for Arizona: the generic table taxes
    // Pressing the box checks "Round State" (the method's tax is whole
    // dollars) or clears it.
    bool roundsOnPress;
    // The computation itself turns "Round State" on: the calculation rounds
    // whatever the box showed.
    bool taxChecksRoundState;
    // "Spouse Works" is offered for this method; every other box hides it.
    bool showsSpouse;
    // The "WEEKLY/BIWEEKLY" captions over the tables stay visible.
    bool biWeeklyLabels;
    // Run when the pressed box was checked, i.e. the user is unchecking it.
    void (DialogState::*uncheck)() = nullptr;
    // The formula in force before July 1, when the pay sheet asks for it.
    StateMethod priorTax = nullptr;
};

// In the order the presets run and the calculation tries the methods; when a
// hand-made file sets several flags, the later method's tax stands.
inline constexpr std::array<StateMethodRow, 12> kStateMethods = {{
    {DialogState::MethodBox::Ariz, &DialogState::ckAriz, "Arizona", &StateTaxSettings::UseAriz, nullptr, nullptr,
     false, false, false, true},
    {DialogState::MethodBox::Louis, &DialogState::ckLouis, "Louisiana", &StateTaxSettings::UseLouis,
     &DialogState::LouisianaSet, &GetLouisianaTax, false, false, false, true, nullptr, &GetLouisianaPriorTax},
    {DialogState::MethodBox::Iowa, &DialogState::ckIowa, "Iowa", &StateTaxSettings::UseIowa, &DialogState::IowaSet,
     &GetIowaTax, true, false, false, false},
    {DialogState::MethodBox::Missouri, &DialogState::ckMissouri, "Missouri", &StateTaxSettings::UseMissouri,
     &DialogState::MissouriSet, &GetMissouriTax, true, true, true, true},
    {DialogState::MethodBox::Mass, &DialogState::ckMass, "Mass", &StateTaxSettings::UseMass, &DialogState::MassSet,
     &GetMassTax, false, false, false, true},
    {DialogState::MethodBox::Oregon, &DialogState::ckOregon, "Oregon", &StateTaxSettings::UseOregon,
     &DialogState::OregonSet, &GetOregonTax, false, false, false, true},
    {DialogState::MethodBox::Utah, &DialogState::ckUtah, "Utah", &StateTaxSettings::UseUtah, &DialogState::UtahSet,
     &GetUtahTax, false, false, true, true},
    {DialogState::MethodBox::Alabama, &DialogState::ckAlabama, "Alabama", &StateTaxSettings::UseAlabama,
     &DialogState::AlabamaSet, &GetAlabama, false, false, false, true},
    {DialogState::MethodBox::Kentucky, &DialogState::ckKentucky, "Kentucky", &StateTaxSettings::UseKentucky,
     &DialogState::KentuckySet, &GetKentuckyTax, false, false, false, true, &DialogState::KentuckyUnset},
    {DialogState::MethodBox::Wiscon, &DialogState::ckWiscon, "Wisconsin Prior to 4/1/14", &StateTaxSettings::UseWiscon,
     &DialogState::WisconsinSet, &GetWisconsinTax, false, false, false, true},
    {DialogState::MethodBox::WisconApril, &DialogState::ckWisconApril, "Wisconsin", &StateTaxSettings::UseWisconApril,
     &DialogState::WisconsinAprilSet, &GetWisconsinTax, false, false, false, true},
    {DialogState::MethodBox::NC, &DialogState::ckNC, "N.C.", &StateTaxSettings::UseNC, &DialogState::NCSet, &GetNCTax,
     true, false, false, true},
}};

constexpr const StateMethodRow& stateMethod(DialogState::MethodBox box) {
    for (const StateMethodRow& row : kStateMethods)
        if (row.box == box) return row;
    return kStateMethods[0];
}

// What the state methods read, taken from the records and the state dialog's
// "Spouse Works" box.
StateMethodInput stateMethodInput(App& app);

// Runs, in the table's order, every method whose flag is set in the state
// settings (several flags run several methods); the generic table when none
// is set. Louisiana takes the pay sheet's "Louisiana- Prior to July 1" box
// into account. A method whose computation checks "Round State" checks it in
// the dialog, where the calculation reads it.
void RunStateMethods(App& app);

}  // namespace qv
