// Makers for the widgets of a view. Each widget is named after its control
// and takes its caption and hover tip from the form's table, so a view only
// says where a control goes:
//
//   Widgets w(Form1::controls());
//   auto* box = w.make<QLineEdit>("txtAmount", 3);   // objectName "txtAmount_3", tip "Enter"
//   auto* add = w.make<QPushButton>("cmdCal");
//   w.menus(menuBar());                               // every menu of the table, in order
#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <span>
#include <type_traits>
#include <string_view>

#include "paysheet/controls.h"

class QMenuBar;

namespace qv::gui {

class Widgets {
public:
    explicit Widgets(std::span<const Control> table) : table_(table) {}

    template <class W>
    W* make(std::string_view name, int index = 0) {
        auto* w = new W;
        name_(w, name, index);
        if constexpr (std::is_base_of_v<QAbstractButton, W> || std::is_base_of_v<QLabel, W>) {
            if (const Control* c = find(name); c && !c->designedCaption.empty()) w->setText(caption(*c));
        } else if constexpr (std::is_base_of_v<QGroupBox, W>) {
            if (const Control* c = find(name); c && !c->designedCaption.empty()) w->setTitle(caption(*c));
        }
        return w;
    }

    // A label of the window that no procedure changes.
    static QLabel* fixed(std::string_view text, std::string_view tip = {});

    // Every menu of the table in order, with its entries, rules and accelerators.
    void menus(QMenuBar* bar) const;

    const Control* find(std::string_view name) const;

private:
    void name_(QObject* o, std::string_view name, int index) const;
    static QString caption(const Control& c);
    std::span<const Control> table_;
};

}  // namespace qv::gui
