#include "common/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace qv {

namespace {

// Opens a regular file (or anything but a folder) for reading; -1 when that
// is not possible. A folder opens on this system, but is no file.
int openForReading(const std::filesystem::path& path, struct stat* st) {
    int fd;
    do fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) return -1;
    if (::fstat(fd, st) != 0 || S_ISDIR(st->st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

bool fileExists(const std::filesystem::path& path) {
    struct stat st {};
    int fd = openForReading(path, &st);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    struct stat st {};
    int fd = openForReading(path, &st);
    if (fd < 0) return std::nullopt;
    std::string out;
    // The size is a hint only: the file may change while it is read.
    std::size_t capacity = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : 4096;
    out.resize(capacity);
    std::size_t used = 0;
    for (;;) {
        if (used == out.size()) out.resize(out.size() * 2);
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
    out.resize(used);
    return out;
}

namespace {

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

}  // namespace

bool replaceFile(const std::filesystem::path& path, std::string_view content, std::string* error) {
    auto setError = [&](const std::string& what) {
        if (error) *error = "Cannot write " + path.filename().string() + ": " + what;
        return false;
    };
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    static std::mt19937_64 rng{std::random_device{}()};
    std::filesystem::path tmp = folder / ("." + path.filename().string() + ".tmp" + std::to_string(rng() % 1000000));
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return setError(std::strerror(errno));
    bool ok = writeAll(fd, content) && ::fsync(fd) == 0;
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) { ok = false; savedErrno = errno; }
    if (!ok) {
        ::unlink(tmp.c_str());
        return setError(std::strerror(savedErrno));
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        savedErrno = errno;
        ::unlink(tmp.c_str());
        return setError(std::strerror(savedErrno));
    }
    int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
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

}  // namespace qv
