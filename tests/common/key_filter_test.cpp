#include <gtest/gtest.h>

#include <string>

#include "common/key_filter.h"

namespace qv {
namespace {

TEST(NumericKeys, OnlyDigitsBlankMinusPointAndBackspace) {
    const std::string accepted = std::string("0123456789 -.") + kBackspace;
    for (int c = 0; c < 256; ++c) {
        const char key = static_cast<char>(c);
        EXPECT_EQ(numericKeyAccepted(key), accepted.find(key) != std::string::npos) << "key " << c;
    }
}

}  // namespace
}  // namespace qv
