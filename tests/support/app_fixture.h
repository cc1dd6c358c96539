// What most core tests start from: a working folder of their own and an App
// in it, answered by a scripted Ui on a fixed day.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/date.h"
#include "paysheet/app.h"
#include "platform/headless/scripted_ui.h"
#include "support/temp_folder.h"

namespace qv::testing {

// The headless program: the scripted Ui, the clock and an App on a fresh
// working folder. Members are destroyed in reverse, so the App is gone before
// its folder is removed.
struct HeadlessApp {
    explicit HeadlessApp(Date today, const std::string& prefix = "qv_") : dir(prefix), clock(today) {}

    // The shipped federal tables beside the employee files, as a first start
    // of the program leaves them.
    void copyShippedFederalTables() const {
        std::filesystem::copy_file(std::filesystem::path(QUORVANE_DATA) / "Federal18.dtt", dir / "Federal18.dtt",
                                   std::filesystem::copy_options::overwrite_existing);
    }

    TempFolder dir;
    platform::ScriptedUi ui;
    platform::FixedClock clock;
    App app{ui, clock, dir};
};

// A test case on the headless program.
class AppTest : public ::testing::Test, protected HeadlessApp {
protected:
    explicit AppTest(Date today, const std::string& prefix = "qv_") : HeadlessApp(today, prefix) {}
};

}  // namespace qv::testing
