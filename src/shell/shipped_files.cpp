#include "shell/shipped_files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>

#include "common/file_io.h"
#include "federal/federal_tables.h"

namespace qv {

namespace {

std::filesystem::path fromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return {};
    return value;
}

}  // namespace

std::filesystem::path shippedFolder() {
    if (auto named = fromEnvironment("QUORVANE_DATA"); !named.empty()) return named;
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        std::filesystem::path installed = exe.parent_path().parent_path() / "share" / "quorvane";
        if (std::filesystem::is_regular_file(installed / std::string(kFederalFileName), ec)) return installed;
    }
    return QUORVANE_SOURCE_DATA;
}

std::filesystem::path defaultWorkingFolder() {
    if (auto named = fromEnvironment("QUORVANE_FOLDER"); !named.empty()) return named;
    if (auto home = fromEnvironment("HOME"); !home.empty()) return home / "Quorvane";
    return {};
}

bool prepareWorkingFolder(const std::filesystem::path& folder, const std::filesystem::path& shipped,
                          std::string* error) {
    auto fail = [&](const std::string& what) {
        if (error) *error = what;
        return false;
    };
    if (folder.empty()) return fail("No working folder: neither QUORVANE_FOLDER nor HOME is set.");
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        // Pay and Social Security numbers live here: the folder is the user's alone.
        std::filesystem::path parent = folder.parent_path();
        if (!parent.empty()) std::filesystem::create_directories(parent, ec);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            return fail("Cannot create the folder \"" + folder.string() + "\": " + std::strerror(errno));
        if (!std::filesystem::is_directory(folder, ec))
            return fail("\"" + folder.string() + "\" is not a folder.");
    }
    const std::filesystem::path tables = folder / std::string(kFederalFileName);
    // Any entry of that name, even a broken link or a file we may not read, is
    // the user's: leave it for the program to report.
    if (std::filesystem::symlink_status(tables, ec).type() != std::filesystem::file_type::not_found) return true;
    const std::filesystem::path source = shipped / std::string(kFederalFileName);
    std::optional<std::string> content = readWholeFile(source);
    if (!content) return fail("Cannot read the shipped federal tables \"" + source.string() + "\".");
    std::string why;
    if (!replaceFile(tables, *content, &why)) return fail(why);
    return true;
}

}  // namespace qv
