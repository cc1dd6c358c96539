#include "gui/widgets.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

#include "gui/text.h"

namespace qv::gui {

const Control* Widgets::find(std::string_view name) const {
    for (const Control& c : table_)
        if (c.name == name && !c.separator) return &c;
    return nullptr;
}

QString Widgets::caption(const Control& c) { return shown(c.designedCaption); }

void Widgets::name_(QObject* o, std::string_view name, int index) const {
    const Control* c = find(name);
    if (!c) {
        o->setObjectName(shown(name));
        return;
    }
    o->setObjectName(QString::fromStdString(c->objectName(index)));
    if (auto* w = qobject_cast<QWidget*>(o); w && !c->hoverTip.empty()) w->setToolTip(shown(c->hoverTip));
}

QLabel* Widgets::fixed(std::string_view text, std::string_view tip) {
    auto* label = new QLabel(shown(text));
    label->setTextFormat(Qt::PlainText);
    if (!tip.empty()) label->setToolTip(shown(tip));
    return label;
}

void Widgets::menus(QMenuBar* bar) const {
    std::vector<std::pair<std::string_view, QMenu*>> made;
    for (const Control& c : table_) {
        if (c.menu.empty()) continue;
        QMenu* menu = nullptr;
        for (auto& [title, m] : made)
            if (title == c.menu) menu = m;
        if (!menu) {
            menu = bar->addMenu(shown(c.menu));
            menu->setObjectName(shown(c.menu));
            made.emplace_back(c.menu, menu);
        }
        if (c.separator) {
            menu->addSeparator();
            continue;
        }
        // Parented to the window, so the binding finds it by name.
        auto* action = new QAction(caption(c), bar->parentWidget() ? static_cast<QObject*>(bar->parentWidget()) : bar);
        name_(action, c.name, 0);
        if (!c.hoverTip.empty()) action->setToolTip(shown(c.hoverTip));
        menu->addAction(action);
    }
}

}  // namespace qv::gui
