// A folder of a test's own under the system's temporary folder.
#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "common/file_io.h"

namespace qv::testing {

// A new empty folder under the system's temporary folder, removed with all it
// holds at the end. mkdtemp makes the name unique, so the plain and the
// sanitizer suites, run at the same time, never share a folder.
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix = "qv_") {
        std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::system_error(errno, std::generic_category(), pattern);
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        // A test may have taken a permission away to provoke a failure.
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    operator const std::filesystem::path&() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

    // Puts bytes into a file as another program would: no temporary file, no
    // kept permissions.
    void write(const std::filesystem::path& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    // The file's bytes, or "<missing>" when it cannot be read.
    std::string read(const std::filesystem::path& name) const {
        return readWholeFile(path_ / name).value_or("<missing>");
    }
    // Whether the folder holds a file by that name the program would read.
    bool has(const std::filesystem::path& name) const { return fileExists(path_ / name); }

private:
    std::filesystem::path path_;
};

}  // namespace qv::testing
