// What most core tests start from: a working folder of their own and an App
// in it, answered by a scripted Ui on a fixed day.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "common/date.h"
#include "common/file_io.h"
#include "paysheet/app.h"
#include "platform/headless/scripted_ui.h"

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

// The headless program: the scripted Ui, the clock and an App on a fresh
// working folder. Members are destroyed in reverse, so the App is gone before
// its folder is removed.
struct HeadlessApp {
    explicit HeadlessApp(Date today, const std::string& prefix = "qv_") : dir(prefix), clock(today) {}

    // The shipped federal tables beside the employee files, as a first start
    // of the program leaves them.
    void copyShippedFederalTables() const {
        std::filesystem::copy_file(std::filesystem::path(QUORVANE_DATA) / "Federal18.dtt", dir / "Federal18.dtt",
                                   std::filesystem::copy_options::overwrite_existing);
    }

    TempFolder dir;
    platform::ScriptedUi ui;
    platform::FixedClock clock;
    App app{ui, clock, dir};
};

// A test case on the headless program.
class AppTest : public ::testing::Test, protected HeadlessApp {
protected:
    explicit AppTest(Date today, const std::string& prefix = "qv_") : HeadlessApp(today, prefix) {}
};

}  // namespace qv::testing
