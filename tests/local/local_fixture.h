// A fresh App in its own empty working folder, answering from a script.
#pragma once

#include <string>

#include "common/file_io.h"
#include "support/app_fixture.h"

namespace qv::testing {

class LocalFixture : public AppTest {
protected:
    LocalFixture() : AppTest(Date{2018, 6, 1}, "quorvane_local_") {}

    // Writes a file the way the program saves one.
    void writeFile(const std::string& name, const std::string& content) { ASSERT_TRUE(replaceFile(dir / name, content)); }
};

}  // namespace qv::testing
