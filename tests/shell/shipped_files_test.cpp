#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "common/file_io.h"
#include "shell/shipped_files.h"
#include "support/app_fixture.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

// Sets or clears an environment variable for one test and puts it back after.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~EnvVar() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class ShippedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(shipped());
        write(shipped() / "Federal18.dtt", "shipped tables\r\n");
    }
    fs::path shipped() const { return root_ / "share"; }
    static void write(const fs::path& p, const std::string& content) {
        std::ofstream out(p, std::ios::binary);
        out << content;
    }
    static unsigned mode(const fs::path& p) {
        struct stat st {};
        ::stat(p.c_str(), &st);
        return st.st_mode & 07777;
    }
    testing::TempFolder root_{"qv_shipped_"};
};

TEST_F(ShippedFiles, PrepareWorkingFolder) {
    struct Case {
        const char* what;
        std::function<fs::path(const fs::path& root)> setUp;  // returns the working folder
        bool ok;
        std::optional<std::string> tablesAfter;  // the tables file after, when checked
    };
    const Case cases[] = {
        {"a missing folder is created with the tables",
         [](const fs::path& r) { return r / "home" / "Quorvane"; }, true, "shipped tables\r\n"},
        {"an empty folder gets the tables",
         [](const fs::path& r) { fs::create_directories(r / "w"); return r / "w"; }, true, "shipped tables\r\n"},
        {"the user's own tables stay",
         [](const fs::path& r) {
             fs::create_directories(r / "w");
             write(r / "w" / "Federal18.dtt", "mine\r\n");
             return r / "w";
         },
         true, "mine\r\n"},
        {"an unreadable copy of the user's stays",
         [](const fs::path& r) {
             fs::create_directories(r / "w");
             write(r / "w" / "Federal18.dtt", "mine\r\n");
             fs::permissions(r / "w" / "Federal18.dtt", fs::perms::none);
             return r / "w";
         },
         true, "mine\r\n"},
        {"a broken link of that name is left alone",
         [](const fs::path& r) {
             fs::create_directories(r / "w");
             fs::create_symlink(r / "nowhere", r / "w" / "Federal18.dtt");
             return r / "w";
         },
         true, std::nullopt},
        {"a file where the folder should be",
         [](const fs::path& r) { write(r / "w", "x"); return r / "w"; }, false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::path caseRoot = root_ / "case";
        fs::remove_all(caseRoot);
        fs::create_directories(caseRoot);
        fs::path folder = c.setUp(caseRoot);
        std::string error;
        EXPECT_EQ(prepareWorkingFolder(folder, shipped(), &error), c.ok) << error;
        EXPECT_EQ(error.empty(), c.ok) << error;
        std::error_code ec;
        fs::permissions(folder / "Federal18.dtt", fs::perms::owner_read | fs::perms::owner_write, ec);
        if (c.tablesAfter) {
            EXPECT_EQ(readWholeFile(folder / "Federal18.dtt"), c.tablesAfter);
        }
        // A broken link stays broken: nothing was written through it.
        if (fs::is_symlink(folder / "Federal18.dtt")) {
            EXPECT_FALSE(fs::exists(folder / "Federal18.dtt"));
        }
    }
}

TEST_F(ShippedFiles, NewFolderIsPrivateAndAnExistingOneKeepsItsMode) {
    const fs::path fresh = root_ / "fresh";
    ASSERT_TRUE(prepareWorkingFolder(fresh, shipped()));
    EXPECT_EQ(mode(fresh), 0700u);

    const fs::path existing = root_ / "existing";
    fs::create_directories(existing);
    ::chmod(existing.c_str(), 0750);
    ASSERT_TRUE(prepareWorkingFolder(existing, shipped()));
    EXPECT_EQ(mode(existing), 0750u);
}

TEST_F(ShippedFiles, MissingShippedTablesOrFolderAreReported) {
    std::string error;
    EXPECT_FALSE(prepareWorkingFolder(root_ / "w", root_ / "no-share", &error));
    EXPECT_NE(error.find((root_ / "no-share" / "Federal18.dtt").string()), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(root_ / "w" / "Federal18.dtt"));

    error.clear();
    EXPECT_FALSE(prepareWorkingFolder({}, shipped(), &error));
    EXPECT_FALSE(error.empty());
}

TEST_F(ShippedFiles, ShippedFolderLookup) {
    {
        EnvVar data("QUORVANE_DATA", "/opt/elsewhere/data");
        EXPECT_EQ(shippedFolder(), fs::path("/opt/elsewhere/data"));
    }
    for (const char* unset : {static_cast<const char*>(nullptr), ""}) {
        // The test program is no installed program: the source tree's data.
        EnvVar data("QUORVANE_DATA", unset);
        EXPECT_TRUE(fs::equivalent(shippedFolder(), QUORVANE_DATA));
    }
}

TEST_F(ShippedFiles, DefaultWorkingFolder) {
    {
        EnvVar named("QUORVANE_FOLDER", "/srv/pay");
        EnvVar home("HOME", "/home/ann");
        EXPECT_EQ(defaultWorkingFolder(), fs::path("/srv/pay"));
    }
    {
        EnvVar named("QUORVANE_FOLDER", nullptr);
        EnvVar home("HOME", "/home/ann");
        EXPECT_EQ(defaultWorkingFolder(), fs::path("/home/ann/Quorvane"));
    }
    {
        EnvVar named("QUORVANE_FOLDER", "");
        EnvVar home("HOME", nullptr);
        EXPECT_EQ(defaultWorkingFolder(), fs::path());
    }
}

}  // namespace
}  // namespace qv
