// Text in the records is bytes: a window shows valid UTF-8 as it is and any
// other byte as Windows-1252 (files written on older systems), and what the
// user types reaches the forms as UTF-8.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace qv::gui {

QString shown(std::string_view bytes);
std::string typed(const QString& text);
// A message text as a dialog shows it: CR LF line ends become line breaks.
QString shownMessage(std::string_view bytes);

}  // namespace qv::gui
