// Whole-file reads, the existence test, atomic replacement, damaged files
// kept aside and the working folder's lock.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace qv {

// No file of the program comes near this; anything larger is not one of its
// files, and reading it could exhaust memory.
inline constexpr std::size_t kLargestFileSize = 1024 * 1024;

// A file exists when it can be opened for reading; any failure counts as
// absent. Never blocks (a FIFO exists, but see readWholeFile).
bool fileExists(const std::filesystem::path& path);

// The whole content, or nothing when the file cannot be read: only a regular
// file of at most kLargestFileSize bytes is read, so a FIFO, a device or a
// huge file is refused rather than hanging the program or exhausting memory.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Writes a temporary file beside the file, flushes and syncs it, renames it
// over the file and syncs the folder. A symbolic link is followed: the file it
// points to is replaced, the link stays. A replaced file keeps its permission
// bits; a new one is readable by its owner only. When the file already holds
// exactly `content`, nothing is written. On failure the old file is
// untouched, the temporary file is removed, false is returned and `error`
// says why.
bool replaceFile(const std::filesystem::path& path, std::string_view content, std::string* error = nullptr);

// Removes the temporary files replaceFile left in `folder` when a run was
// killed while writing. A temporary file still being written is left alone.
void removeStaleTemporaries(const std::filesystem::path& folder);

// An employee base name or a name part of a file: refuses path separators,
// "..", control characters and characters a file name cannot hold.
// Returns the reason, or an empty string when the name is acceptable.
std::string fileNameProblem(std::string_view name);

// Files that could not be loaded in this run. A save never replaces one:
// it first moves the damaged file aside, so nothing a user had is lost.
class DamagedFiles {
public:
    void note(const std::filesystem::path& path);
    bool contains(const std::filesystem::path& path) const;
    // How many times a file was found damaged in this run: a step that
    // compares it before and after knows whether it read everything whole.
    std::size_t seen() const { return seen_; }
    // When `path` was noted and is still there, renames it to "NAME.damaged"
    // ("NAME.damaged.2", ... when that exists) and says where in `keptAs`.
    // True when the way is clear for a save; false, with `error`, when the
    // damaged file could not be moved.
    bool moveAside(const std::filesystem::path& path, std::filesystem::path* keptAs, std::string* error);

private:
    std::set<std::filesystem::path> paths_;
    std::size_t seen_ = 0;
};

// One Quorvane at a time in a working folder: an advisory lock on a lock file
// there, held for as long as the object lives.
class FolderLock {
public:
    static constexpr std::string_view kLockFileName = ".quorvane.lock";

    // Waits up to `patience` for the lock. busy() is true when another run
    // holds it. A folder where no lock file can be made (read-only) cannot be
    // written by anyone either: it is not busy, only unlocked.
    explicit FolderLock(const std::filesystem::path& folder,
                        std::chrono::milliseconds patience = std::chrono::seconds(5));
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool locked() const { return fd_ >= 0; }
    bool busy() const { return busy_; }

private:
    int fd_ = -1;
    bool busy_ = false;
};

}  // namespace qv
