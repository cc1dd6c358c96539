// A fresh App in a temporary working folder, answered by a scripted Ui.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "common/file_io.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"
#include "platform/headless/scripted_ui.h"
#include "state/dialog_state.h"
#include "state/state_settings.h"

namespace qv::test {

class StateFixture : public ::testing::Test {
protected:
    // The pay sheet is the main window and is always up before this dialog is
    // touched: start it with the federal tables beside it, then close the
    // state dialog its start-up prepared, so each test opens it itself.
    StateFixture() : clock_(Date{2018, 6, 1}), folder_(makeFolder()), app(ui, clock_, folder_) {
        std::error_code ec;
        std::filesystem::copy_file(std::filesystem::path(QUORVANE_DATA) / "Federal18.dtt", folder_ / "Federal18.dtt",
                                   ec);
        app.form1();
        app.dialogState().unload();
        ui.clearShown();
    }
    ~StateFixture() override {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    static std::filesystem::path makeFolder() {
        std::random_device rd;
        auto p = std::filesystem::temp_directory_path() / ("qv_state_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(p);
        return p;
    }

    void writeFile(const std::string& name, const std::string& content) {
        std::ofstream(folder_ / name, std::ios::binary) << content;
    }
    std::string readFile(const std::string& name) { return readWholeFile(folder_ / name).value_or("<missing>"); }
    bool exists(const std::string& name) { return std::filesystem::exists(folder_ / name); }

    platform::ScriptedUi ui;
    platform::FixedClock clock_;
    std::filesystem::path folder_;
    App app;
};

}  // namespace qv::test
