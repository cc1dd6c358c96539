#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/file_io.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("qv_fileio_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                   std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder_, ec);
    }
    void write(const fs::path& p, const std::string& content) {
        std::ofstream out(p, std::ios::binary);
        out << content;
    }
    // Every name in the folder: a failed or finished replace leaves no
    // temporary file behind.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(folder_)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    fs::path folder_;
};

TEST_F(FileIo, ReplaceCreatesAndReplacesWholeFiles) {
    const fs::path p = folder_ / "Smith.use";
    std::string error;
    ASSERT_TRUE(replaceFile(p, "first\r\n", &error)) << error;
    EXPECT_EQ(readWholeFile(p), "first\r\n");
    ASSERT_TRUE(replaceFile(p, "second, longer\r\nline two\r\n", &error)) << error;
    EXPECT_EQ(readWholeFile(p), "second, longer\r\nline two\r\n");
    ASSERT_TRUE(replaceFile(p, "", &error)) << error;
    EXPECT_EQ(readWholeFile(p), "");
    EXPECT_EQ(names(), std::vector<std::string>{"Smith.use"});
}

// A write that fails half way (the file size limit stands in for a full
// disk, and binds root as well) leaves the old file exactly as it was, and
// no temporary file behind.
TEST_F(FileIo, FailedWriteLeavesTheOldFile) {
    const fs::path p = folder_ / "Smith.yrw";
    write(p, "old contents\r\n");

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool ok = replaceFile(p, std::string(100000, 'x'), &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_NE(error.find("Smith.yrw"), std::string::npos) << error;
    EXPECT_EQ(readWholeFile(p), "old contents\r\n");
    EXPECT_EQ(names(), std::vector<std::string>{"Smith.yrw"});
}

TEST_F(FileIo, ReplaceIntoAFolderThatCannotExistFails) {
    // A path whose parent is a regular file cannot be written by anyone, root included.
    const fs::path notAFolder = folder_ / "plain.txt";
    write(notAFolder, "keep\r\n");
    std::string error;
    EXPECT_FALSE(replaceFile(notAFolder / "Smith.use", "data", &error));
    EXPECT_NE(error.find("Smith.use"), std::string::npos) << error;
    EXPECT_EQ(readWholeFile(notAFolder), "keep\r\n");
    EXPECT_EQ(names(), std::vector<std::string>{"plain.txt"});
}

TEST_F(FileIo, ReplaceOverAFolderFailsAndKeepsIt) {
    const fs::path target = folder_ / "Smith.hol";
    fs::create_directory(target);
    write(target / "inside", "x");
    std::string error;
    EXPECT_FALSE(replaceFile(target, "data", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(readWholeFile(target / "inside"), "x");
    EXPECT_EQ(names(), std::vector<std::string>{"Smith.hol"});
}

TEST_F(FileIo, ExistenceMeansReadable) {
    const fs::path p = folder_ / "Federal18.dtt";
    EXPECT_FALSE(fileExists(p));
    EXPECT_FALSE(readWholeFile(p).has_value());
    write(p, "");
    EXPECT_TRUE(fileExists(p));
    EXPECT_EQ(readWholeFile(p), "");
    EXPECT_FALSE(fileExists(folder_)) << "a folder is no file";
    EXPECT_FALSE(readWholeFile(folder_).has_value());
    EXPECT_FALSE(fileExists(p / "below"));

    if (::geteuid() != 0) {  // root reads whatever the permissions say
        fs::permissions(p, fs::perms::none);
        EXPECT_FALSE(fileExists(p));
        EXPECT_FALSE(readWholeFile(p).has_value());
    }
}

TEST_F(FileIo, WholeFileIsReadByteForByte) {
    const fs::path p = folder_ / "bytes.dat";
    std::string content = "a,\"b\"\r\nc\n\r";
    content.push_back('\0');
    content += "\xff tail";
    write(p, content);
    EXPECT_EQ(readWholeFile(p), content);
}

TEST(FileNames, AcceptedAndRefused) {
    for (const char* ok : {"", "Smith", "Smith John", "J.Smith", "smith-2018", "O'Brien"})
        EXPECT_EQ(fileNameProblem(ok), "") << ok;
    for (const char* bad : {".", "..", "../Smith", "a/b", "a\\b", "a..b", "tab\there", "a:b", "a*b", "a?b",
                            "a\"b", "a<b", "a>b", "a|b", "line\nend"})
        EXPECT_NE(fileNameProblem(bad), "") << bad;
}

}  // namespace
}  // namespace qv
