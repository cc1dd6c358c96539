#include "cli/report.h"

#include <iostream>
#include <string>

namespace qv::cli {

void reportMessage(std::ostream& out, std::string_view text) {
    std::string lines(text);
    for (std::size_t at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at))
        lines.replace(at, 2, "\n");
    out << lines << "\n";
}

void reportMessage(std::string_view text) { reportMessage(std::cerr, text); }

void reportMessages(const platform::ScriptedUi& ui) {
    for (const std::string& m : ui.messages()) reportMessage(m);
}

void reportError(std::string_view text) { reportError({}, text); }

void reportError(std::string_view command, std::string_view text) {
    std::string line = "quorvane-cli";
    if (!command.empty()) line.append(" ").append(command);
    line.append(": ").append(text);
    reportMessage(line);
}

}  // namespace qv::cli
