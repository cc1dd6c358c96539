// Compares printed text with a file under tests/printing/golden/. Run with
// QUORVANE_UPDATE_GOLDEN=1 to write the files afresh after a deliberate
// layout change (and read the diff before committing it).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace qv::testing {

inline std::filesystem::path goldenPath(const std::string& name) {
    // From the source tree's fixtures folder: __FILE__ may be relative to
    // wherever the compiler ran (a compiler cache rewrites it).
    return std::filesystem::path(QUORVANE_FIXTURES).parent_path() / "printing" / "golden" / name;
}

inline void expectGolden(const std::string& name, const std::string& actual) {
    const auto path = goldenPath(name);
    if (std::getenv("QUORVANE_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden file " << path;
    std::stringstream ss;
    ss << in.rdbuf();
    EXPECT_EQ(actual, ss.str()) << "printed text differs from " << path;
}

}  // namespace qv::testing
