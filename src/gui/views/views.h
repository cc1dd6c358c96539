// Registers the view of every form that has one with the desktop.
#pragma once

namespace qv::gui {

class Desktop;

void addAllViews(Desktop& desktop);

}  // namespace qv::gui
