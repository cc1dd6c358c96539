// A headless session for the employee-file tests: an App on a fresh working
// folder, answering the user from a script on a fixed day.
#pragma once

#include <filesystem>
#include <string>

#include "common/file_io.h"
#include "paysheet/form1.h"
#include "support/app_fixture.h"

namespace qv::testing {

class EmployeeSession : public AppTest {
protected:
    EmployeeSession() : AppTest(Date{2018, 6, 15}, "qv_employee_") {
        copyShippedFederalTables();
        // The pay sheet is the program's first window; its start-up runs
        // before anything the user does.
        app.form1();
        ui.clearShown();
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
    static int lineCount(const std::string& text) {
        int n = 0;
        for (std::size_t i = 0; i + 1 < text.size(); ++i)
            if (text[i] == '\r' && text[i + 1] == '\n') ++n;
        return n;
    }
    static std::string corrupt(const std::string& fileName) {
        return "You have corupted a file.\r\nFind file,\r\n" + fileName + "\r\nand delete it.";
    }
};

}  // namespace qv::testing
