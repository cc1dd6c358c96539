#include "common/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <thread>

namespace qv {

namespace {

namespace fs = std::filesystem;

int openRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do fd = ::open(path, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Opens anything but a folder for reading; -1 when that is not possible.
// Without O_NONBLOCK opening a FIFO would wait for a writer for ever.
int openForReading(const fs::path& path, struct stat* st) {
    int fd = openRetrying(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return -1;
    if (::fstat(fd, st) != 0 || S_ISDIR(st->st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool writeAll(int fd, std::string_view content) {
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// The file a save replaces: a symbolic link is followed to what it names,
// so the link itself stays.
fs::path followLinks(fs::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::error_code ec;
        fs::path target = fs::read_symlink(path, ec);
        if (ec) return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// Temporary files are ".qv" + 8 hex digits + ".tmp": short, so any name
// whose final file fits can be saved, and recognisable, so a later run can
// remove what a killed one left.
constexpr std::string_view kTempPrefix = ".qv";
constexpr std::string_view kTempSuffix = ".tmp";
constexpr std::size_t kTempDigits = 8;

bool isTemporaryName(std::string_view name) {
    if (name.size() != kTempPrefix.size() + kTempDigits + kTempSuffix.size()) return false;
    if (name.substr(0, kTempPrefix.size()) != kTempPrefix) return false;
    if (name.substr(name.size() - kTempSuffix.size()) != kTempSuffix) return false;
    for (char c : name.substr(kTempPrefix.size(), kTempDigits))
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// Creates a fresh temporary file in `folder`, locked while it is written so
// removeStaleTemporaries leaves it alone; -1 with errno on failure.
int createTemporary(const fs::path& folder, fs::path& tmp) {
    static std::mt19937 rng{std::random_device{}()};
    for (int attempt = 0; attempt < 16; ++attempt) {
        char digits[kTempDigits + 1];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(rng()));
        tmp = folder / (std::string(kTempPrefix) + digits + std::string(kTempSuffix));
        int fd = openRetrying(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX);
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    errno = EEXIST;
    return -1;
}

void syncFolder(const fs::path& folder) {
    int dfd = openRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

}  // namespace

bool fileExists(const fs::path& path) {
    struct stat st {};
    int fd = openForReading(path, &st);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::optional<std::string> readWholeFile(const fs::path& path) {
    struct stat st {};
    int fd = openForReading(path, &st);
    if (fd < 0) return std::nullopt;
    if (!S_ISREG(st.st_mode) || st.st_size < 0 || static_cast<std::size_t>(st.st_size) > kLargestFileSize) {
        ::close(fd);
        return std::nullopt;
    }
    // The size is a hint only: the file may grow while it is read, so the
    // limit is kept on what is read as well.
    std::string out(kLargestFileSize + 1, '\0');
    std::size_t used = 0;
    while (used < out.size()) {
        ssize_t n = ::read(fd, out.data() + used, out.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (used > kLargestFileSize) return std::nullopt;
    out.resize(used);
    out.shrink_to_fit();
    return out;
}

bool replaceFile(const fs::path& path, std::string_view content, std::string* error) {
    auto setError = [&](const std::string& what) {
        if (error) *error = "Cannot write " + path.filename().string() + ": " + what;
        return false;
    };
    const fs::path target = followLinks(path);
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    // Most saves write what the file already holds: skip those.
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISREG(old.st_mode) && static_cast<std::size_t>(old.st_size) == content.size()) {
        if (auto current = readWholeFile(target); current && *current == content) return true;
    }

    fs::path tmp;
    int fd = createTemporary(folder, tmp);
    if (fd < 0) return setError(std::strerror(errno));
    // Pay, addresses and Social Security numbers: a new file is the owner's
    // alone; a replaced one keeps the bits its owner gave it.
    const mode_t mode = exists && S_ISREG(old.st_mode) ? (old.st_mode & 07777) : 0600;
    bool ok = (mode == 0600 || ::fchmod(fd, mode) == 0) && writeAll(fd, content) && ::fsync(fd) == 0;
    int savedErrno = errno;
    if (!ok) {
        ::unlink(tmp.c_str());
        ::close(fd);
        return setError(std::strerror(savedErrno));
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        savedErrno = errno;
        ::unlink(tmp.c_str());
        ::close(fd);
        return setError(std::strerror(savedErrno));
    }
    ::close(fd);
    syncFolder(folder);
    return true;
}

void removeStaleTemporaries(const fs::path& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* e = ::readdir(dir)) {
        if (!isTemporaryName(e->d_name)) continue;
        const fs::path p = folder / e->d_name;
        int fd = openRetrying(p.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
        if (fd < 0) continue;
        struct stat st {};
        // A file another run is still writing is locked by it.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(p.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

std::string fileNameProblem(std::string_view name) {
    if (name == "." || name == "..") return "\"" + std::string(name) + "\" cannot be a file name.";
    if (name.find("..") != std::string_view::npos) return "A name may not contain \"..\".";
    for (char c : name) {
        auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) return "A name may not contain control characters.";
        if (c == '/' || c == '\\') return "A name may not contain \"/\" or \"\\\".";
        if (std::strchr(":*?\"<>|", c)) return std::string("A name may not contain the character \"") + c + "\".";
    }
    return {};
}

void DamagedFiles::note(const fs::path& path) {
    paths_.insert(path.lexically_normal());
    ++seen_;
}

bool DamagedFiles::contains(const fs::path& path) const { return paths_.count(path.lexically_normal()) > 0; }

bool DamagedFiles::moveAside(const fs::path& path, fs::path* keptAs, std::string* error) {
    auto it = paths_.find(path.lexically_normal());
    if (it == paths_.end()) return true;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        // Gone already: nothing left to keep.
        paths_.erase(it);
        return true;
    }
    const std::string base = path.filename().string() + ".damaged";
    for (int n = 1; n < 1000; ++n) {
        const fs::path aside = path.parent_path() / (n == 1 ? base : base + "." + std::to_string(n));
        // A hard link never replaces what is there; the name is then removed.
        if (::link(path.c_str(), aside.c_str()) == 0) {
            ::unlink(path.c_str());
        } else if (errno == EEXIST) {
            continue;
        } else {
            struct stat seen {};
            if (::lstat(aside.c_str(), &seen) == 0) continue;
            // Where links are not possible, a rename to a name checked free.
            if (::rename(path.c_str(), aside.c_str()) != 0) {
                if (error) *error = "Cannot move " + path.filename().string() + " aside: " + std::strerror(errno);
                return false;
            }
        }
        syncFolder(path.parent_path().empty() ? fs::path(".") : path.parent_path());
        if (keptAs) *keptAs = aside;
        paths_.erase(it);
        return true;
    }
    if (error) *error = "Cannot move " + path.filename().string() + " aside: too many damaged copies.";
    return false;
}

FolderLock::FolderLock(const fs::path& folder, std::chrono::milliseconds patience) {
    const fs::path lockFile = folder / std::string(kLockFileName);
    int fd = openRetrying(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) fd = openRetrying(lockFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return;
    const auto until = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) break;
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= until) {
            busy_ = errno == EWOULDBLOCK || errno == EINTR;
            ::close(fd);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    fd_ = fd;
    // Under the lock no other run of this folder is writing: what temporary
    // files are left belong to a run that was killed.
    removeStaleTemporaries(folder);
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace qv
