// What the fuzz targets share: a private working folder and a fresh program
// for every input.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace qv::fuzz {

// A folder of this process, emptied before each input.
inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        auto f = base / ("quorvane_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(f);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(scratchFolder(), ec);
        });
        return f;
    }();
    return folder;
}

inline void emptyScratchFolder() {
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(scratchFolder(), ec)) std::filesystem::remove_all(e.path(), ec);
}

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A property of the program that does not hold: stop here, so libFuzzer
// keeps the input.
[[noreturn]] inline void broken() { __builtin_trap(); }

}  // namespace qv::fuzz
