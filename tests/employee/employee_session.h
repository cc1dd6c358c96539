// A headless session for the employee-file tests: an App on a fresh working
// folder, answering the user from a script on a fixed day.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include <unistd.h>

#include "common/file_io.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"
#include "platform/headless/scripted_ui.h"

namespace qv::testing {

class EmployeeSession : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("qv_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
               std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(std::filesystem::path(QUORVANE_DATA) / "Federal18.dtt", dir / "Federal18.dtt");
        app = std::make_unique<App>(ui, clock, dir);
        // The pay sheet is the program's first window; its start-up runs
        // before anything the user does.
        app->form1();
        ui.clearShown();
    }
    void TearDown() override {
        app.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    // Copies the files of a fixture employee into the working folder.
    void copyFixture(const std::string& folder, const std::string& name) {
        for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(QUORVANE_FIXTURES) / folder)) {
            if (e.path().stem() == name)
                std::filesystem::copy_file(e.path(), dir / e.path().filename(),
                                           std::filesystem::copy_options::overwrite_existing);
        }
    }
    static std::string fixtureText(const std::string& folder, const std::string& file) {
        return readWholeFile(std::filesystem::path(QUORVANE_FIXTURES) / folder / file).value_or("<missing>");
    }
    std::string fileText(const std::string& file) const { return readWholeFile(dir / file).value_or("<missing>"); }
    void writeFile(const std::string& file, const std::string& content) const {
        std::ofstream(dir / file, std::ios::binary) << content;
    }
    bool exists(const std::string& file) const { return std::filesystem::exists(dir / file); }
    static int lineCount(const std::string& text) {
        int n = 0;
        for (std::size_t i = 0; i + 1 < text.size(); ++i)
            if (text[i] == '\r' && text[i + 1] == '\n') ++n;
        return n;
    }
    static std::string corrupt(const std::string& fileName) {
        return "You have corupted a file.\r\nFind file,\r\n" + fileName + "\r\nand delete it.";
    }

    std::filesystem::path dir;
    platform::ScriptedUi ui;
    platform::FixedClock clock{Date{2018, 6, 15}};
    std::unique_ptr<App> app;
};

}  // namespace qv::testing
