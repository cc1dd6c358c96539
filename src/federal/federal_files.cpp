#include "federal/federal_files.h"

#include <optional>
#include <string>

#include "common/file_io.h"
#include "common/messages.h"
#include "common/record_line.h"
#include "paysheet/app.h"

namespace qv {
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
        app.ui().message(federalUnreadableMessage(name));
        return false;
    }
    // Read into a separate record and take it only when the whole file read,
    // so a damaged file never leaves half-replaced tables behind.
    try {
        FederalTables loaded = parseFederalTables(*content, name);
        app.federal = std::move(loaded);
    } catch (const RecordReadError& e) {
        app.ui().message(federalDamagedMessage(name, e.what()));
        return false;
    }
    return true;
}

}  // namespace qv
