// A whole program session on a fresh working folder holding the shipped
// federal tables: the pay sheet started, answers scripted, messages recorded.
#pragma once

#include <filesystem>
#include <list>
#include <set>
#include <string>

#include "common/file_io.h"
#include "employee/frm_tax_info.h"
#include "employee/profile_files.h"
#include "state/state_files.h"
#include "paysheet/form1.h"
#include "state/state_settings.h"
#include "support/app_fixture.h"

namespace qv::testing {

class PaySheetSession : public AppTest {
protected:
    PaySheetSession() : AppTest(Date{2018, 6, 1}, "quorvane_paysheet_") { copyShippedFederalTables(); }

    Form1& sheet() { return app.form1(); }

    // Changes the employee's profile as the profile screen's Save would: the
    // record and the employee's files, so the next calculation reads it back.
    template <class Edit>
    void editProfile(Edit edit) {
        sheet();
        edit(app.profile);
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

    // Another folder, removed at the end like the working folder.
    const std::filesystem::path& newFolder() { return extraFolders_.emplace_back("quorvane_paysheet_other_").path(); }
    void writeFile(const std::filesystem::path& path, const std::string& content) {
        ASSERT_TRUE(replaceFile(path, content));
    }
    std::set<std::string> filesIn(const std::filesystem::path& folder) {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder)) names.insert(e.path().filename().string());
        return names;
    }

private:
    // What the profile screen's Save writes: the profile files and the state
    // file, which carries five of the profile's fields.
    void saveProfileFiles() {
        FrmTaxInfo& screen = app.frmTaxInfo();
        screen.ensureLoaded();
        screen.showProfile();
        SaveOT(app);
        SaveStateFile(app);
    }

    std::list<TempFolder> extraFolders_;
};

}  // namespace qv::testing
