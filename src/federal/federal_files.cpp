#include "federal/federal_files.h"

#include <optional>
#include <string>

#include "common/file_io.h"
#include "common/record_line.h"
#include "paysheet/app.h"

namespace qv {
namespace {

// Shown whenever the table file cannot be opened; the lines are separated by
// CR LF as every message box text of the program.
constexpr std::string_view kFederalMissingMessage =
    "   Operation Failed ! ! !\r\n"
    "Save and Open, Only in Folder\r\n"
    "where Quorvane 2018 was installed\r\n"
    "Contact VORNAXEL SOFTWARE\r\n"
    "support@vornaxel.example";

}  // namespace

bool FederalFileExists(App& app) {
    if (fileExists(app.pathOf(kFederalFileName))) return true;
    app.ui().message(kFederalMissingMessage);
    return false;
}

bool LoadFederalTables(App& app) {
    if (!FederalFileExists(app)) return false;
    const std::string name(kFederalFileName);
    std::optional<std::string> content = readWholeFile(app.pathOf(kFederalFileName));
    if (!content) {
        app.ui().message("The federal table file \"" + name + "\" could not be read.\r\n"
                         "The federal tables were not changed.");
        return false;
    }
    // Read into a separate record and take it only when the whole file read,
    // so a damaged file never leaves half-replaced tables behind.
    try {
        FederalTables loaded = parseFederalTables(*content, name);
        app.federal = std::move(loaded);
    } catch (const RecordReadError& e) {
        app.ui().message("The federal table file \"" + name + "\" is damaged and was not loaded:\r\n" +
                         e.what() + "\r\nThe federal tables were not changed.");
        return false;
    }
    return true;
}

}  // namespace qv
