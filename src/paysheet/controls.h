// The controls of a form, declared once as a table of {name, member}.
//
// The table is the one list of a window's controls: resetControls puts each
// of them back to its designed value, the desktop binds each widget to its
// member by the control's name, and the view tests walk it to check that the
// window shows every control.
//
// A form declares `static std::span<const Control> controls();` and defines
// it beside its other procedures:
//
//   std::span<const Control> Form1::controls() {
//       static constexpr Control kTable[] = {
//           control<&Form1::txtAmount>("txtAmount").tip("Enter"),  // control array: txtAmount_0 .. _7
//           control<&Form1::lbNet>("lbNet"),
//           control<&Form1::ckLouisPrior>("ckLouisPrior").caption("Louisiana- Prior to July 1")
//               .visibleBy<&Form1::ckLouisPriorVisible>(),
//           command<&Form1::cmdCal_Click>("cmdCal"),                // a button and its Click
//           command<&Form1::mnuNew_Click>("mnuNew").caption("&New").inMenu("File"),
//           rule("File"),                                            // a menu's separator
//       };
//       return kTable;
//   }
//
// Members: a text box, label, combo box or the window's title is a
// std::string, a check box an int (0/1), an option button a bool, a control
// array a std::array of them. `visibleBy`/`enabledBy` name the bool (or
// array of bools) that shows or enables the control; a date picker holds a
// Date; a control with only
// such a flag (a frame that is disabled as a whole) is `flags<...>("Frame1")`.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/date.h"
#include "paysheet/form.h"

namespace qv {

class Control {
public:
    // What the member holds.
    enum class Value { None, Text, Check, Option, Date };

    std::string_view name;
    Value value = Value::None;
    // 0 for a single control; n for a control array indexed 0 .. n-1.
    int count = 0;
    // Indices of a control array that the window does not have (bit i).
    std::uint64_t absentIndices = 0;
    // How an element of a control array is named: txtAmount_3, or Label12
    // for a window whose numbered labels are kept in one array.
    bool numberedWithoutSeparator = false;
    // The window's title, bound to the window rather than to a widget.
    bool windowTitle = false;
    // Designed caption and hover tip, where the window shows them.
    std::string_view designedCaption;
    std::string_view hoverTip;
    // The menu a command sits in; a command without a menu is a button.
    std::string_view menu;
    bool separator = false;
    // Entering the box selects its whole text.
    bool selectAllOnEntry = false;

    std::string* (*text)(Form&, int) = nullptr;
    int* (*check)(Form&, int) = nullptr;
    bool* (*option)(Form&, int) = nullptr;
    // A date picker's date: shown by the binding; the user's change goes
    // through the form's own change procedure, which checks it.
    qv::Date* (*date)(Form&, int) = nullptr;
    bool* (*visible)(Form&, int) = nullptr;
    bool* (*enabled)(Form&, int) = nullptr;
    // A command's procedure; for a control with a value, the procedure its
    // click runs once the clicked value is in the member (`onClick`). An
    // element of a control array passes its index.
    void (*click)(Form&, int index) = nullptr;
    // Keyboard procedures of a box (`onKeyPress`, `onKeyDown`, `onGotFocus`):
    // a typed character goes through keyPress, which answers the character
    // that reaches the box (0: discarded); keyDown gets the key codes of the
    // moves (kKeyUp ...); gotFocus runs when the box is entered.
    char (*keyPress)(Form&, int index, char key) = nullptr;
    void (*keyDown)(Form&, int index, int keyCode) = nullptr;
    void (*gotFocus)(Form&, int index) = nullptr;
    // A box whose text the user changed (`onChange`), run once the new text
    // is in the member; a check box pressed with the mouse (`onMouseDown`),
    // run before the press toggles it.
    void (*change)(Form&, int index) = nullptr;
    void (*mouseDown)(Form&, int index) = nullptr;

    bool isArray() const { return count > 0; }
    // A button or menu entry: no value, a procedure (or a menu to sit in).
    bool isCommand() const { return value == Value::None && !separator && (click != nullptr || !menu.empty()); }
    // The indices the window has: 0 for a single control.
    bool hasIndex(int index) const {
        if (!isArray()) return index == 0;
        return index >= 0 && index < count && (index >= 64 || !(absentIndices >> index & 1u));
    }
    // The widget's objectName of element `index` (ignored for a single control).
    std::string objectName(int index = 0) const {
        std::string n(name);
        if (!isArray()) return n;
        return n + (numberedWithoutSeparator ? "" : "_") + std::to_string(index);
    }

    constexpr Control caption(std::string_view c) const { Control k = *this; k.designedCaption = c; return k; }
    constexpr Control tip(std::string_view t) const { Control k = *this; k.hoverTip = t; return k; }
    constexpr Control inMenu(std::string_view m) const { Control k = *this; k.menu = m; return k; }
    constexpr Control selectsAll() const { Control k = *this; k.selectAllOnEntry = true; return k; }
    constexpr Control title() const { Control k = *this; k.windowTitle = true; return k; }
    constexpr Control numbered() const { Control k = *this; k.numberedWithoutSeparator = true; return k; }
    constexpr Control without(std::initializer_list<int> indices) const {
        Control k = *this;
        for (int i : indices) k.absentIndices |= std::uint64_t{1} << i;
        return k;
    }
    template <auto Procedure>
    constexpr Control onClick() const;
    // The procedure may be a member `char (int index, char key)`, `void (int
    // index, char& key)`, `void (char& key)`, or a static `bool (char key)`
    // filter; any of them decides which characters reach the box.
    template <auto Procedure>
    constexpr Control onKeyPress() const;
    // A member `void (int index, int keyCode)` or `void (int keyCode)`.
    template <auto Procedure>
    constexpr Control onKeyDown() const;
    // A member `void (int index)` or `void ()`.
    template <auto Procedure>
    constexpr Control onGotFocus() const;
    // A member `void (int index)` or `void ()`.
    template <auto Procedure>
    constexpr Control onChange() const;
    template <auto Procedure>
    constexpr Control onMouseDown() const;
    template <auto Flag>
    constexpr Control visibleBy() const { Control k = *this; k.visible = flagOf<Flag>(); return k; }
    template <auto Flag>
    constexpr Control enabledBy() const { Control k = *this; k.enabled = flagOf<Flag>(); return k; }

    // Copies the value and flags of every element from `from` to `to` (two
    // forms of the same class).
    void copy(Form& from, Form& to) const;

private:
    using FlagAt = bool* (*)(Form&, int);
    template <auto Flag>
    static constexpr FlagAt flagOf();
};

namespace controls_detail {

template <class M>
struct MemberOf;
template <class T, class F>
struct MemberOf<T F::*> {
    using Class = F;
    using Type = T;
};

template <class T>
struct Elements {
    using Type = T;
    static constexpr int count = 0;
};
template <class T, std::size_t N>
struct Elements<std::array<T, N>> {
    using Type = T;
    static constexpr int count = static_cast<int>(N);
};

template <class T>
T* element(T& single, int) { return &single; }
template <class T, std::size_t N>
T* element(std::array<T, N>& many, int i) { return &many[static_cast<std::size_t>(i)]; }

// The element `i` of the member `Member` of a form.
template <auto Member>
auto* at(Form& f, int i) {
    using Class = typename MemberOf<decltype(Member)>::Class;
    return element(static_cast<Class&>(f).*Member, i);
}

}  // namespace controls_detail

template <auto Flag>
constexpr Control::FlagAt Control::flagOf() {
    return +[](Form& f, int i) -> bool* { return controls_detail::at<Flag>(f, i); };
}

namespace controls_detail {
// A click procedure `R ()` or, for a control array, `R (int index)`.
template <auto Procedure>
constexpr void (*procedure())(Form&, int) {
    using Class = typename MemberOf<decltype(Procedure)>::Class;
    if constexpr (std::is_invocable_v<decltype(Procedure), Class&, int>)
        return +[](Form& f, int i) { (static_cast<Class&>(f).*Procedure)(i); };
    else
        return +[](Form& f, int) { (static_cast<Class&>(f).*Procedure)(); };
}
}  // namespace controls_detail

template <auto Procedure>
constexpr Control Control::onClick() const {
    Control k = *this;
    k.click = controls_detail::procedure<Procedure>();
    return k;
}

template <auto Procedure>
constexpr Control Control::onChange() const {
    Control k = *this;
    k.change = controls_detail::procedure<Procedure>();
    return k;
}

template <auto Procedure>
constexpr Control Control::onMouseDown() const {
    Control k = *this;
    k.mouseDown = controls_detail::procedure<Procedure>();
    return k;
}

// Key codes the keyDown procedures receive.
inline constexpr int kKeyCodeEnter = 13;
inline constexpr int kKeyCodeLeft = 37;
inline constexpr int kKeyCodeUp = 38;
inline constexpr int kKeyCodeRight = 39;
inline constexpr int kKeyCodeDown = 40;

namespace controls_detail {

template <class P>
struct ClassOfProcedure {
    using Class = void;
};
template <class R, class F, class... A>
struct ClassOfProcedure<R (F::*)(A...)> {
    using Class = F;
};

}  // namespace controls_detail

template <auto Procedure>
constexpr Control Control::onKeyPress() const {
    using P = decltype(Procedure);
    Control k = *this;
    if constexpr (std::is_same_v<P, bool (*)(char)>) {
        k.keyPress = +[](Form&, int, char key) -> char { return Procedure(key) ? key : char(0); };
    } else {
        using F = typename controls_detail::ClassOfProcedure<P>::Class;
        if constexpr (std::is_same_v<P, char (F::*)(int, char)>) {
            k.keyPress = +[](Form& f, int i, char key) -> char { return (static_cast<F&>(f).*Procedure)(i, key); };
        } else if constexpr (std::is_same_v<P, void (F::*)(int, char&)>) {
            k.keyPress = +[](Form& f, int i, char key) -> char {
                (static_cast<F&>(f).*Procedure)(i, key);
                return key;
            };
        } else {
            static_assert(std::is_same_v<P, void (F::*)(char&)>, "unsupported KeyPress procedure");
            k.keyPress = +[](Form& f, int, char key) -> char {
                (static_cast<F&>(f).*Procedure)(key);
                return key;
            };
        }
    }
    return k;
}

template <auto Procedure>
constexpr Control Control::onKeyDown() const {
    using P = decltype(Procedure);
    using F = typename controls_detail::ClassOfProcedure<P>::Class;
    Control k = *this;
    if constexpr (std::is_same_v<P, void (F::*)(int, int)>)
        k.keyDown = +[](Form& f, int i, int code) { (static_cast<F&>(f).*Procedure)(i, code); };
    else
        k.keyDown = +[](Form& f, int, int code) { (static_cast<F&>(f).*Procedure)(code); };
    return k;
}

template <auto Procedure>
constexpr Control Control::onGotFocus() const {
    using P = decltype(Procedure);
    using F = typename controls_detail::ClassOfProcedure<P>::Class;
    Control k = *this;
    if constexpr (std::is_same_v<P, void (F::*)(int)>)
        k.gotFocus = +[](Form& f, int i) { (static_cast<F&>(f).*Procedure)(i); };
    else
        k.gotFocus = +[](Form& f, int) { (static_cast<F&>(f).*Procedure)(); };
    return k;
}

// A control whose value lives in the member `Member`.
template <auto Member>
constexpr Control control(std::string_view name) {
    using Held = typename controls_detail::MemberOf<decltype(Member)>::Type;
    using E = controls_detail::Elements<Held>;
    using T = typename E::Type;
    Control c;
    c.name = name;
    c.count = E::count;
    if constexpr (std::is_same_v<T, std::string>) {
        c.value = Control::Value::Text;
        c.text = +[](Form& f, int i) -> std::string* { return controls_detail::at<Member>(f, i); };
    } else if constexpr (std::is_same_v<T, int>) {
        c.value = Control::Value::Check;
        c.check = +[](Form& f, int i) -> int* { return controls_detail::at<Member>(f, i); };
    } else if constexpr (std::is_same_v<T, Date>) {
        c.value = Control::Value::Date;
        c.date = +[](Form& f, int i) -> Date* { return controls_detail::at<Member>(f, i); };
    } else {
        static_assert(std::is_same_v<T, bool>, "a control holds a std::string, an int, a bool or a Date");
        c.value = Control::Value::Option;
        c.option = +[](Form& f, int i) -> bool* { return controls_detail::at<Member>(f, i); };
    }
    return c;
}

// A control that holds no value of its own, only a visible or enabled flag
// (add it with visibleBy/enabledBy). `count` makes it an array.
constexpr Control flags(std::string_view name, int count = 0) {
    Control c;
    c.name = name;
    c.count = count;
    return c;
}

// A button or menu entry and the procedure its click runs.
template <auto Procedure>
constexpr Control command(std::string_view name) {
    Control c;
    c.name = name;
    c.click = controls_detail::procedure<Procedure>();
    return c;
}

// A menu entry the window has no procedure for (it is shown disabled).
constexpr Control menuEntry(std::string_view name, std::string_view caption, std::string_view menu) {
    Control c;
    c.name = name;
    c.designedCaption = caption;
    c.menu = menu;
    return c;
}

// A separator rule in a menu.
constexpr Control rule(std::string_view menu) {
    Control c;
    c.menu = menu;
    c.separator = true;
    return c;
}

// Puts every control of the form's table back to the value and flags of a
// form just made (the designed window). F's constructor gives the designed
// values and must not call resetControls.
template <class F>
void resetToDesign(F& form, App& app) {
    F designed(app);
    for (const Control& c : F::controls()) c.copy(designed, form);
}


}  // namespace qv
