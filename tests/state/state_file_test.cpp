// The ".sta" file: its layout, round trips, and the corrupt and missing paths.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "common/record_line.h"
#include "state/state_files.h"
#include "state/state_settings.h"
#include "state/state_fixture.h"

namespace qv::test {
namespace {

std::string fixtureText() {
    return readWholeFile(std::filesystem::path(QUORVANE_FIXTURES) / "state" / "Hand.sta").value();
}

// Drops the last `lines` record lines of a file text.
std::string withoutLastLines(std::string text, int lines) {
    for (int i = 0; i < lines; ++i) {
        auto end = text.rfind("\r\n", text.size() - 3);
        text.erase(end + 2);
    }
    return text;
}

using StateFile = StateFixture;

TEST_F(StateFile, HandWrittenFileLoadsToTheRecordAndSavesBackByteForByte) {
    app.UserFile = "Hand";
    dir.write("Hand.sta", fixtureText());
    LoadStateFile(app);

    const StateTaxSettings& s = app.state;
    EXPECT_FLOAT_EQ(s.StatePerBS[0], 0.04f);
    EXPECT_FLOAT_EQ(s.StateMinBS[1], 327.0f);
    EXPECT_FLOAT_EQ(s.StateAmtBS[1], 13.08f);
    EXPECT_FLOAT_EQ(s.StateMinBS[8], 6213.0f);
    EXPECT_FLOAT_EQ(s.StateMinBS[9], 999999.0f);
    EXPECT_FLOAT_EQ(s.StateMinBM[9], 8137.0f);
    EXPECT_FLOAT_EQ(s.StatePerBM[9], 0.0707f);
    EXPECT_FLOAT_EQ(s.StateSgExp[0], 284.6f);
    EXPECT_FLOAT_EQ(s.StateMarExp[9], 652.3f);
    EXPECT_FLOAT_EQ(s.SDIPercent, 1.2f);
    EXPECT_FLOAT_EQ(s.SUIPercent, 3.4f);
    EXPECT_FLOAT_EQ(s.SDIWageBase, 50000.0f);
    EXPECT_FLOAT_EQ(s.SUIWageBase, 7000.0f);
    EXPECT_FLOAT_EQ(s.StateAdj, -5.0f);
    EXPECT_EQ(s.SDIUseBase, 1);
    EXPECT_EQ(s.SUIUseBase, 0);
    EXPECT_EQ(s.UseAriz, 1);
    EXPECT_EQ(s.UseAlabama, 0);
    EXPECT_EQ(app.profile.SSMediExempt, 1);
    EXPECT_EQ(app.profile.StateExemptions, 2);
    EXPECT_EQ(app.profile.StateStatus, "Married");  // the quotes stay in the file
    EXPECT_EQ(app.profile.FedExempt, 1);
    EXPECT_FLOAT_EQ(app.profile.FedAddL, 12.5f);

    // The boxes show the values with a leading zero.
    DialogState& d = app.dialogState();
    EXPECT_EQ(d.txtStatePerBS[1], "0.045");
    EXPECT_EQ(d.txtStateAmtBS[1], "13.08");
    EXPECT_EQ(d.txtStateMinBS[9], "999999");
    EXPECT_EQ(d.txtStateAdj, "-5");
    EXPECT_EQ(d.ckSDI, 1);
    EXPECT_EQ(d.ckAriz, 1);
    EXPECT_TRUE(ui.messages().empty());

    app.UserFile = "Copy";
    ASSERT_TRUE(SaveStateFile(app));
    EXPECT_EQ(dir.read("Copy.sta"), fixtureText());
}

TEST_F(StateFile, RoundTripKeepsSevenDigitValues) {
    StateTaxSettings s;
    EmployeeProfile p;
    // Values as a user types them: at most seven significant digits.
    const std::array<float, 10> typed = {1234.567f, 0.0001234567f, -0.5f,     9999999.0f, 1.5e-7f,
                                         0.065408f, 8137.0f,       580.7301f, 3.4e12f,    -7654321.0f};
    for (int r = 0; r < 10; ++r) {
        s.StateMinBS[r] = typed[r];
        s.StateAmtBS[r] = typed[(r + 3) % 10];
        s.StatePerBS[r] = -0.5f;
        s.StateMinBM[r] = 9999999.0f;
        s.StateAmtBM[r] = 1.5e-7f;
        s.StatePerBM[r] = 0.065408f;
        s.StateSgExp[r] = typed[(r + 5) % 10];
        s.StateMarExp[r] = typed[(r + 7) % 10];
    }
    s.NoStateTax = 1;
    s.SDIPercent = 1.1f;
    s.SUIPercent = 2.7f;
    s.SDIWageBase = 114967;
    s.SUIWageBase = 7000;
    s.StateAdj = -12.34f;
    s.SDIUseBase = 1;
    s.SUIUseBase = 1;
    s.UseAriz = s.UseLouis = s.UseIowa = s.UseMass = s.UseOregon = s.UseKentucky = s.UseMissouri = 1;
    s.UseAlabama = 1;
    p.SSMediExempt = 1;
    p.StateExemptions = 9;
    p.StateStatus = "Single";
    p.FedExempt = 1;
    p.FedAddL = 25.25f;

    const std::string text = stateFileText(s, p);
    StateTaxSettings back;
    EmployeeProfile pBack;
    readStateFileText(text, "x.sta", back, pBack);
    EXPECT_EQ(back, s);
    EXPECT_EQ(pBack.StateExemptions, 9);
    EXPECT_EQ(pBack.StateStatus, "Single");
    EXPECT_EQ(pBack.FedExempt, 1);
    EXPECT_EQ(pBack.SSMediExempt, 1);
    EXPECT_FLOAT_EQ(pBack.FedAddL, 25.25f);
    // The fields the profile files keep are not in this file.
    EXPECT_EQ(back.UseUtah, 0);
    EXPECT_EQ(back.CalAllow, 0);
}

TEST_F(StateFile, UnreadableFilesShowTheCorruptMessageAndKeepLaterFields) {
    struct Case {
        const char* what;
        std::string content;
    };
    const std::string good = fixtureText();
    std::string textInNumber = good;
    textInNumber.replace(textInNumber.find("13.08"), 5, "abc");
    std::string exemptionTen = good;
    exemptionTen.replace(exemptionTen.find("0,0,2,\"Married\""), 15, "0,0,10,\"Married\"");
    std::string exemptionNegative = good;
    exemptionNegative.replace(exemptionNegative.find("0,0,2,\"Married\""), 15, "0,0,-1,\"Married\"");
    const Case cases[] = {
        {"22 lines", withoutLastLines(good, 1)},
        {"a text where a number belongs", textInNumber},
        {"exemptions 10", exemptionTen},
        {"exemptions -1", exemptionNegative},
        {"empty file", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.clearShown();
        app.UserFile = "Bad";
        app.profile.StateExemptions = 4;
        app.profile.StateStatus = "Single";
        app.profile.FedAddL = 3;
        app.state.UseAriz = 0;
        app.state.UseMissouri = 1;
        dir.write("Bad.sta", c.content);
        LoadStateFile(app);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0], "You have corupted a file.\r\nFind file,\r\nBad.sta\r\nand delete it.");
        // The last line was never read: its fields keep their values.
        EXPECT_EQ(app.profile.StateExemptions, 4);
        EXPECT_EQ(app.profile.StateStatus, "Single");
        EXPECT_FLOAT_EQ(app.profile.FedAddL, 3.0f);
        EXPECT_EQ(app.state.UseMissouri, 1);
        // The dialog was not refreshed, nor touched at all.
        EXPECT_FALSE(app.dialogState().loaded);
    }
}

TEST_F(StateFile, ReaderRefusesAnExemptionCountTheTablesCannotHold) {
    StateTaxSettings s;
    EmployeeProfile p;
    p.StateExemptions = 3;
    std::string text = stateFileText(s, p);
    text.replace(text.find(",3,\"\""), 5, ",32767,\"\"");
    EXPECT_THROW(readStateFileText(text, "x.sta", s, p), RecordReadError);
    EXPECT_EQ(p.StateExemptions, 3);
}

TEST_F(StateFile, MissingFileChangesNoTableButSetsTheMethodBoxes) {
    app.UserFile = "Nobody";
    app.dialogState().ensureLoaded();
    app.state.StateMinBS[3] = 777;
    app.state.UseMass = 1;
    app.state.RoundState = 1;
    LoadStateFile(app);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_FLOAT_EQ(app.state.StateMinBS[3], 777.0f);
    DialogState& d = app.dialogState();
    EXPECT_EQ(d.ckMass, 1);
    EXPECT_EQ(d.ckRoundOff, 1);
}

TEST_F(StateFile, DefaultFileIsTheEmptyBaseName) {
    app.UserFile = "Emp";
    dir.write("Emp.sta", fixtureText());
    EXPECT_TRUE(StateFileExists(app, "Emp.sta"));
    EXPECT_FALSE(StateFileExists(app, ".sta"));
    app.UserFile.clear();
    ASSERT_TRUE(SaveStateFile(app));
    EXPECT_TRUE(dir.has(".sta"));
}

TEST_F(StateFile, FailedWriteShowsTheMessageAndKeepsTheOldFile) {
    app.UserFile = "Emp";
    dir.write("Emp.sta", "old");
    // A folder that does not exist cannot take the temporary file.
    app.UserFile = "missing_folder/Emp";
    EXPECT_FALSE(SaveStateFile(app));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0], "Check your numbers\r\nNo blanks\r\nOnly numbers");
    EXPECT_EQ(dir.read("Emp.sta"), "old");
}

}  // namespace
}  // namespace qv::test
