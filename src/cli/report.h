// How the command line tells the user something: the program's own messages
// and the command line's error lines, one text line per line, on stderr
// unless a stream is given.
#pragma once

#include <iosfwd>
#include <string_view>

#include "platform/headless/scripted_ui.h"

namespace qv::cli {

// One message, its CR LF line breaks as plain line ends, then a line end.
void reportMessage(std::string_view text);
void reportMessage(std::ostream& out, std::string_view text);

// Every message the program showed so far, in order.
void reportMessages(const platform::ScriptedUi& ui);

// An error line: "quorvane-cli: text", or "quorvane-cli COMMAND: text" for
// one about a command's own options or work.
void reportError(std::string_view text);
void reportError(std::string_view command, std::string_view text);

}  // namespace qv::cli
