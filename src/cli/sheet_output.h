// The pay sheet as the command line prints it: as a person reads it, or as one
// JSON object for scripts.
#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/command.h"

namespace qv::cli {

// Every line with its caption, the totals, then the messages shown.
void printSheetText(std::ostream& out, App& app, const platform::ScriptedUi& ui);
// The sheet's texts, every result by its name, and the messages shown.
std::string sheetJson(App& app, const platform::ScriptedUi& ui);

// The JSON text of `j`, always valid: texts from the files that are not
// UTF-8 (Windows-1252 bytes of older systems) are shown as Windows-1252.
std::string jsonText(nlohmann::ordered_json j);

// Prints the sheet in the chosen form on standard output and returns `status`.
int printSheet(Session& session, bool json, int status);

}  // namespace qv::cli
