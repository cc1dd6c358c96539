// A whole program session on a fresh working folder holding the shipped
// federal tables: the pay sheet started, answers scripted, messages recorded.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <set>
#include <string>

#include "common/file_io.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"
#include "platform/headless/scripted_ui.h"
#include "employee/frm_tax_info.h"
#include "employee/profile_files.h"
#include "state/state_files.h"
#include "state/state_settings.h"

namespace qv::testing {

class PaySheetSession : public ::testing::Test {
protected:
    PaySheetSession() : folder_(makeFolder("quorvane_paysheet_")), clock_(Date{2018, 6, 1}), app_(ui_, clock_, folder_) {
        std::filesystem::copy_file(std::filesystem::path(QUORVANE_DATA) / "Federal18.dtt", folder_ / "Federal18.dtt");
    }
    ~PaySheetSession() override {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
        for (const auto& f : extraFolders_) std::filesystem::remove_all(f, ec);
    }

    App& app() { return app_; }
    Form1& sheet() { return app_.form1(); }
    platform::ScriptedUi& ui() { return ui_; }
    const std::filesystem::path& folder() const { return folder_; }

    // Changes the employee's profile as the profile screen's Save would: the
    // record and the employee's files, so the next calculation reads it back.
    template <class Edit>
    void editProfile(Edit edit) {
        sheet();
        edit(app_.profile);
        saveProfileFiles();
    }

    // Types the amounts into the boxes (missing ones empty) and presses ADD.
    void calculate(std::initializer_list<const char*> amounts) {
        Form1& s = sheet();
        std::size_t i = 0;
        for (auto& box : s.txtAmount) box.clear();
        for (const char* a : amounts) s.txtAmount[i++] = a;
        s.cmdCal_Click();
    }

    std::filesystem::path newFolder() {
        auto f = makeFolder("quorvane_paysheet_other_");
        extraFolders_.insert(f);
        return f;
    }
    void writeFile(const std::filesystem::path& path, const std::string& content) {
        ASSERT_TRUE(replaceFile(path, content));
    }
    std::string readFile(const std::string& name) {
        auto s = readWholeFile(folder_ / name);
        return s ? *s : std::string("<missing>");
    }
    bool exists(const std::string& name) { return fileExists(folder_ / name); }
    std::set<std::string> filesIn(const std::filesystem::path& dir) {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir)) names.insert(e.path().filename().string());
        return names;
    }

private:
    // What the profile screen's Save writes: the profile files and the state
    // file, which carries five of the profile's fields.
    void saveProfileFiles() {
        FrmTaxInfo& screen = app_.frmTaxInfo();
        screen.ensureLoaded();
        screen.showProfile();
        SaveOT(app_);
        SaveStateFile(app_);
    }

    static std::filesystem::path makeFolder(const std::string& prefix) {
        static std::atomic<int> counter{0};
        auto dir = std::filesystem::temp_directory_path() /
                   (prefix + std::to_string(static_cast<long>(::getpid())) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        return dir;
    }

    std::filesystem::path folder_;
    std::set<std::filesystem::path> extraFolders_;
    platform::ScriptedUi ui_;
    platform::FixedClock clock_;
    App app_;
};

}  // namespace qv::testing
