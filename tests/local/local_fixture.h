// A fresh App in its own empty working folder, answering from a script.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "common/file_io.h"
#include "paysheet/app.h"
#include "platform/headless/scripted_ui.h"

namespace qv::testing {

class LocalFixture : public ::testing::Test {
protected:
    LocalFixture() : folder_(makeFolder()), clock_(Date{2018, 6, 1}), app_(ui_, clock_, folder_) {}
    ~LocalFixture() override {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    App& app() { return app_; }
    platform::ScriptedUi& ui() { return ui_; }
    const std::filesystem::path& folder() const { return folder_; }

    void writeFile(const std::string& name, const std::string& content) {
        ASSERT_TRUE(replaceFile(folder_ / name, content));
    }
    std::string readFile(const std::string& name) {
        auto s = readWholeFile(folder_ / name);
        return s ? *s : std::string("<missing>");
    }
    bool exists(const std::string& name) { return fileExists(folder_ / name); }

private:
    static std::filesystem::path makeFolder() {
        static std::atomic<int> counter{0};
        auto dir = std::filesystem::temp_directory_path() /
                   ("quorvane_local_" + std::to_string(static_cast<long>(::getpid())) + "_" +
                    std::to_string(counter++));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        return dir;
    }

    std::filesystem::path folder_;
    platform::ScriptedUi ui_;
    platform::FixedClock clock_;
    App app_;
};

}  // namespace qv::testing
