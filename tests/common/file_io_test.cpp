#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "support/app_fixture.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
protected:
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

    static unsigned modeOf(const fs::path& p) {
        struct stat st {};
        ::stat(p.c_str(), &st);
        return st.st_mode & 07777;
    }

    testing::TempFolder folder_{"qv_fileio_"};
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

// The rules that keep a user's files whole and private: bounded reads,
// symbolic links, permission bits, temporary names, identical saves, damaged
// files kept aside and the working folder's lock.

TEST_F(FileIo, OnlyRegularFilesUpToTheLimitAreRead) {
    const fs::path fifo = folder_ / "Smith.use";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Neither the existence test nor the read may wait for a writer.
    EXPECT_TRUE(fileExists(fifo));
    EXPECT_FALSE(readWholeFile(fifo).has_value());

    const fs::path big = folder_ / "Smith.yrw";
    write(big, std::string(kLargestFileSize, 'x'));
    EXPECT_EQ(readWholeFile(big)->size(), kLargestFileSize);
    write(big, std::string(kLargestFileSize + 1, 'x'));
    EXPECT_FALSE(readWholeFile(big).has_value());

    EXPECT_FALSE(readWholeFile("/dev/zero").has_value());
    fs::create_symlink("/dev/zero", folder_ / "Smith.sta");
    EXPECT_FALSE(readWholeFile(folder_ / "Smith.sta").has_value());
}

TEST_F(FileIo, ALinkIsFollowedAndKept) {
    fs::create_directories(folder_ / "real");
    write(folder_ / "real" / "Smith.use", "old\r\n");
    fs::create_symlink("real/Smith.use", folder_ / "Smith.use");
    std::string error;
    ASSERT_TRUE(replaceFile(folder_ / "Smith.use", "new\r\n", &error)) << error;
    EXPECT_TRUE(fs::is_symlink(folder_ / "Smith.use"));
    EXPECT_EQ(readWholeFile(folder_ / "real" / "Smith.use"), "new\r\n");
    // A link to a file not yet there creates it.
    fs::create_symlink("real/Smith.and", folder_ / "Smith.and");
    ASSERT_TRUE(replaceFile(folder_ / "Smith.and", "and\r\n", &error)) << error;
    EXPECT_TRUE(fs::is_symlink(folder_ / "Smith.and"));
    EXPECT_EQ(readWholeFile(folder_ / "real" / "Smith.and"), "and\r\n");
}

TEST_F(FileIo, ModesAreKeptAndNewFilesArePrivate) {
    const ::mode_t oldMask = ::umask(0);
    struct Case {
        const char* name;
        bool existing;
        unsigned before;
        unsigned after;
    } cases[] = {
        {"new.use", false, 0, 0600},
        {"shared.use", true, 0640, 0640},
        {"readonly.use", true, 0400, 0400},
        {"open.use", true, 0666, 0666},
    };
    for (const Case& c : cases) {
        const fs::path p = folder_ / c.name;
        if (c.existing) {
            write(p, "before\r\n");
            ::chmod(p.c_str(), c.before);
        }
        std::string error;
        ASSERT_TRUE(replaceFile(p, "after\r\n", &error)) << c.name << ": " << error;
        EXPECT_EQ(modeOf(p), c.after) << c.name;
    }
    ::umask(oldMask);
}

TEST_F(FileIo, LongNamesSaveAndNoTemporaryStays) {
    // The longest name a file may have on this system.
    const std::string longest(255 - 4, 'n');
    std::string error;
    ASSERT_TRUE(replaceFile(folder_ / (longest + ".use"), "x\r\n", &error)) << error;
    EXPECT_EQ(names(), std::vector<std::string>{longest + ".use"});

    // What a killed run left: removed under the folder's lock; a temporary
    // still being written (locked) and files of other names are kept.
    write(folder_ / ".qv0123abcd.tmp", "half");
    write(folder_ / ".qvnotmine.tmp", "keep");
    write(folder_ / "Smith.tmp", "keep");
    {
        FolderLock lock(folder_);
        ASSERT_TRUE(lock.locked());
    }
    EXPECT_EQ(names(), (std::vector<std::string>{".quorvane.lock", ".qvnotmine.tmp", "Smith.tmp", longest + ".use"}));
}

TEST_F(FileIo, AnIdenticalSaveWritesNothing) {
    const fs::path p = folder_ / "Smith.sta";
    std::string error;
    ASSERT_TRUE(replaceFile(p, "same\r\n", &error));
    struct stat before {};
    ::stat(p.c_str(), &before);
    ASSERT_TRUE(replaceFile(p, "same\r\n", &error));
    struct stat after {};
    ::stat(p.c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino) << "an identical save must not rename a new file in";
    ASSERT_TRUE(replaceFile(p, "other\r\n", &error));
    ::stat(p.c_str(), &after);
    EXPECT_NE(before.st_ino, after.st_ino);
    EXPECT_EQ(readWholeFile(p), "other\r\n");
}

TEST_F(FileIo, DamagedFilesAreMovedAsideNeverLost) {
    DamagedFiles damaged;
    const fs::path p = folder_ / "Smith.yrw";
    write(p, "damaged once");
    write(folder_ / "Smith.yrw.damaged", "damaged before");
    fs::path keptAs;
    std::string error;
    // A file that was not noted is not moved.
    ASSERT_TRUE(damaged.moveAside(p, &keptAs, &error));
    EXPECT_TRUE(keptAs.empty());
    EXPECT_EQ(readWholeFile(p), "damaged once");

    damaged.note(p);
    ASSERT_TRUE(damaged.moveAside(p, &keptAs, &error)) << error;
    EXPECT_EQ(keptAs, folder_ / "Smith.yrw.damaged.2");
    EXPECT_EQ(readWholeFile(keptAs), "damaged once");
    EXPECT_EQ(readWholeFile(folder_ / "Smith.yrw.damaged"), "damaged before");
    EXPECT_FALSE(fs::exists(p));
    // Moved once: the next save of the same name moves nothing more.
    EXPECT_FALSE(damaged.contains(p));
}

TEST_F(FileIo, TheFolderLockIsOneAtATime) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FolderLock held(folder_);
        char c = held.locked() ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        ::sleep(3);
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    const auto start = std::chrono::steady_clock::now();
    {
        FolderLock second(folder_, std::chrono::milliseconds(300));
        EXPECT_FALSE(second.locked());
        EXPECT_TRUE(second.busy());
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300)) << "it waits first";
    {
        // It waits long enough for the other run to finish.
        FolderLock third(folder_, std::chrono::seconds(10));
        EXPECT_TRUE(third.locked());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
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
