#include <gtest/gtest.h>

#include "employee/employee_session.h"
#include "employee/profile_files.h"

namespace qv {
namespace {

using ProfileFiles = testing::EmployeeSession;

// What the Smith fixture holds, field by field.
struct SmithExpected {
    static void check(const App& app) {
        const EmployeeProfile& p = app.profile;
        const OvertimeTracker& ot = app.overtime;
        const StateTaxSettings& st = app.state;
        EXPECT_EQ(ot.OtEarned, 350.0f);
        EXPECT_EQ(ot.OtMax, 5000.0f);
        EXPECT_EQ(ot.OtAvail, 4650.0f);
        EXPECT_EQ(ot.AnnualSalary, 50000.0f);
        EXPECT_EQ(ot.ApPercent, 10.0f);
        EXPECT_EQ(ot.OtPercent, 0.01f);
        EXPECT_EQ(p.HourRate, 12.5f);
        EXPECT_EQ(p.HourRate2, 0.0f);
        EXPECT_EQ(p.TipsRate, 2.25f);
        EXPECT_EQ(p.FedExemptions, "2");
        EXPECT_EQ(p.FedStatus, "Married");
        EXPECT_EQ(p.PensionPct, 3.0f);
        EXPECT_EQ(p.CrUnion, 10.0f);
        EXPECT_EQ(p.Bond, 5.5f);
        EXPECT_EQ(p.HealthIns, 40.0f);
        EXPECT_EQ(p.Dues, 7.25f);
        EXPECT_EQ(p.KPlan, 4.0f);
        EXPECT_EQ(p.NonCity, 1);
        EXPECT_TRUE(p.Weekly);
        EXPECT_FALSE(p.BiWeekly);
        EXPECT_EQ(p.DedName5, "Credit, Union");
        EXPECT_EQ(p.DedName6, "Savings Bond");
        EXPECT_EQ(p.DedName7, "Dues");
        EXPECT_EQ(p.DedName8, "Pension");
        EXPECT_EQ(p.DedName9, "Health Ins");
        EXPECT_EQ(st.UseWisconApril, 1);
        EXPECT_TRUE(p.SpareVar[0].isEmpty());
        EXPECT_EQ(p.SpareVar[1], NumOrText("old note"));
        EXPECT_EQ(p.SpareVar[2].number(), 2.5);
        EXPECT_EQ(p.SpareVar[7].number(), -0.5);
        EXPECT_EQ(p.SpareVar[12], NumOrText("x"));
        EXPECT_EQ(p.SpareVar[13].number(), 7.0);
        EXPECT_TRUE(p.SpareVar[14].isEmpty());

        EXPECT_EQ(p.CheckHorz, 2.0f);
        EXPECT_EQ(p.CheckVert, -1.0f);
        EXPECT_EQ(st.SpouseWorks, 1);
        EXPECT_EQ(st.CalAllow, 150.0f);
        EXPECT_EQ(p.SpareAmt1, 1.5f);
        EXPECT_EQ(p.SpareAmt5, 0.25f);
        EXPECT_FALSE(p.SpareFlag1);
        EXPECT_TRUE(p.SpareFlag2);
        EXPECT_EQ(p.EmpAddress, "12 Elm St, Apt 4");
        EXPECT_EQ(p.EmpCityStateZip, "Springfield, IL 62701");
        EXPECT_EQ(p.EmpSsn, "123-45-6789");
        EXPECT_EQ(p.EmpName, "John Smith");
        EXPECT_EQ(p.SpareText1, "spare one");
        EXPECT_EQ(p.SpareText2, "");
        EXPECT_EQ(st.RoundState, 1);
        EXPECT_EQ(st.UseUtah, 0);
        EXPECT_EQ(st.UseWiscon, 1);
        EXPECT_EQ(st.UseAlabama, 0);
        EXPECT_EQ(st.UseNC, 0);
        EXPECT_EQ(p.SpareInt1, 7);
        EXPECT_EQ(p.SpareInt2, -3);
        EXPECT_EQ(p.KpPer, 0);
        EXPECT_EQ(p.KpFix, 1);

        EXPECT_EQ(p.Cafe, 25.5f);
        EXPECT_EQ(p.CafeDeductState, 1);
        EXPECT_EQ(p.SelfEmp, 0);

        EXPECT_EQ(ot.OtWeekEnd[0], "6/1/2018");
        EXPECT_EQ(ot.OtAmount[0], "100");
        EXPECT_EQ(ot.OtWeekEnd[1], "6/8/2018");
        EXPECT_EQ(ot.OtAmount[1], "250");
        EXPECT_EQ(ot.OtWeekEnd[52], "");
        EXPECT_EQ(ot.OtAmount[52], "0");
    }
};

TEST_F(ProfileFiles, HandWrittenFilesLoadToTheExpectedRecords) {
    copyFixture("profile", "Smith");
    app.UserFile = "Smith";
    ASSERT_TRUE(LoadProfile(app));
    EXPECT_TRUE(ui.messages().empty());
    SmithExpected::check(app);
    EXPECT_EQ(app.form1().lbTableNotice, "Weekly Tax Tables");
}

TEST_F(ProfileFiles, SavingWhatWasLoadedWritesTheSameBytes) {
    copyFixture("profile", "Smith");
    app.UserFile = "Smith";
    ASSERT_TRUE(LoadProfile(app));
    std::filesystem::remove(dir / "Smith.use");
    std::filesystem::remove(dir / "Smith.ovw");
    ASSERT_TRUE(SaveOT(app));
    for (const char* f : {"Smith.use", "Smith.and", "Smith.cfe", "Smith.ovw"})
        EXPECT_EQ(dir.read(f), fixtureText("profile", f)) << f;
    EXPECT_FALSE(dir.has("Smith.ovb"));
}

TEST_F(ProfileFiles, EveryFieldSurvivesSaveAndLoad) {
    app.UserFile = "Jones";
    EmployeeProfile& p = app.profile;
    p.HourRate = 18.37f;
    p.HourRate2 = 27.555f;
    p.TipsRate = 0.0205f;
    p.FedExemptions = "4";
    p.FedStatus = "Single";
    p.PensionPct = 2.5f;
    p.CrUnion = 1234567.f;
    p.Bond = 0.01f;
    p.HealthIns = 99.99f;
    p.Dues = 7.125f;
    p.KPlan = 6;
    p.NonCity = 1;
    p.Weekly = false;
    p.BiWeekly = true;
    p.DedName5 = "Union, local 12";
    p.DedName6 = "a";
    p.DedName7 = " leading blank";
    p.DedName8 = "";
    p.DedName9 = "x";
    p.CheckHorz = -5;
    p.CheckVert = 3;
    p.SpareAmt1 = 1;
    p.SpareAmt2 = 2;
    p.SpareAmt3 = 3;
    p.SpareAmt4 = 4;
    p.SpareAmt5 = 5;
    p.SpareFlag1 = true;
    p.SpareFlag3 = true;
    p.EmpAddress = "1 Main St";
    p.EmpCityStateZip = "Albany, NY 12207";
    p.EmpSsn = "000-00-0000";
    p.EmpName = "Ann Jones";
    p.SpareText1 = "t1";
    p.SpareText2 = "t2";
    p.SpareInt1 = 32767;
    p.SpareInt2 = -32768;
    p.KpPer = 0;
    p.KpFix = 1;
    p.Cafe = 12.34f;
    p.CafeDeductState = 1;
    p.SelfEmp = 1;
    p.SpareVar[0] = NumOrText(3.25);
    p.SpareVar[5] = NumOrText(std::string("kept"));
    p.SpareVar[14] = NumOrText(-0.125);
    OvertimeTracker& ot = app.overtime;
    ot.OtEarned = 350;
    ot.OtMax = 5000;
    ot.OtAvail = 4650;
    ot.AnnualSalary = 50000;
    ot.ApPercent = 10;
    ot.OtPercent = 0.25f;
    ot.OtWeekEnd[0] = "1/5/2018";
    ot.OtAmount[0] = "12.5";
    ot.OtWeekEnd[26] = "12/28/2018";
    ot.OtAmount[26] = "99";
    StateTaxSettings& st = app.state;
    st.UseWisconApril = 1;
    st.SpouseWorks = 1;
    st.CalAllow = 45.5f;
    st.RoundState = 1;
    st.UseUtah = 1;
    st.UseWiscon = 1;
    st.UseAlabama = 1;
    st.UseNC = 1;
    const App& saved = app;  // the record as saved
    ASSERT_TRUE(SaveOT(app));
    EXPECT_EQ(lineCount(dir.read("Jones.use")), 12);
    EXPECT_EQ(lineCount(dir.read("Jones.and")), 9);
    EXPECT_EQ(lineCount(dir.read("Jones.cfe")), 1);
    EXPECT_EQ(lineCount(dir.read("Jones.ovb")), 54);
    EXPECT_FALSE(dir.has("Jones.ovw"));

    platform::ScriptedUi ui2;
    App other(ui2, clock, dir);
    other.form1();
    other.UserFile = "Jones";
    ASSERT_TRUE(LoadProfile(other));
    EXPECT_EQ(other.profile, saved.profile);
    EXPECT_EQ(other.overtime, saved.overtime);
    EXPECT_EQ(other.state, saved.state);
}

TEST_F(ProfileFiles, AQuoteInATextIsStoredAsApostrophe) {
    app.UserFile = "Q";
    app.profile.EmpName = "Pat \"Red\" O'Neil";
    ASSERT_TRUE(SaveOT(app));
    app.profile.EmpName.clear();
    ASSERT_TRUE(LoadProfile(app));
    EXPECT_EQ(app.profile.EmpName, "Pat 'Red' O'Neil");
}

TEST_F(ProfileFiles, AMissingFileKeepsTheFieldsItCarries) {
    copyFixture("profile", "Smith");
    std::filesystem::remove(dir / "Smith.cfe");
    app.profile.Cafe = 80;
    app.profile.CafeDeductState = 0;
    app.profile.SelfEmp = 1;
    app.UserFile = "Smith";
    ASSERT_TRUE(LoadProfile(app));
    EXPECT_EQ(app.profile.Cafe, 80.0f);
    EXPECT_EQ(app.profile.CafeDeductState, 0);
    EXPECT_EQ(app.profile.SelfEmp, 1);
    EXPECT_EQ(app.profile.EmpName, "John Smith");
}

TEST_F(ProfileFiles, ABiWeeklyEmployeeUsesOnlyTheBiWeeklyRows) {
    app.UserFile = "B";
    app.profile.Weekly = false;
    app.profile.BiWeekly = true;
    ASSERT_TRUE(SaveOT(app));
    EXPECT_EQ(lineCount(dir.read("B.ovb")), 54);
    EXPECT_FALSE(dir.has("B.ovw"));
    // A stray weekly file is not read for him.
    dir.write("B.ovw", "\"never\"\r\n5\r\n");
    ASSERT_TRUE(LoadProfile(app));
    EXPECT_EQ(app.overtime.OtWeekEnd[0], "");
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(ProfileFiles, SaveChoosesWeeklyAndPercentWhenNeitherIsSet) {
    app.UserFile = "N";
    app.profile = EmployeeProfile{};
    app.overtime = OvertimeTracker{};
    ASSERT_TRUE(SaveOT(app));
    EXPECT_TRUE(app.profile.Weekly);
    EXPECT_EQ(app.profile.KpPer, 1);
    EXPECT_EQ(app.profile.KpFix, 0);
    EXPECT_EQ(app.overtime.OtAmount[52], "0");
    const std::string use = dir.read("N.use");
    EXPECT_NE(use.find("\r\n#TRUE#,#FALSE#,\"\"\r\n"), std::string::npos) << use;
    EXPECT_TRUE(dir.read("N.and").ends_with("\r\n1,0\r\n"));
    EXPECT_EQ(lineCount(dir.read("N.ovw")), 106);
}

TEST_F(ProfileFiles, OvertimeFiguresAreStoredAsTheTrackerShowsThem) {
    app.UserFile = "T";
    app.overtime.OtMax = 1234.567f;
    app.overtime.OtAvail = -2.5f;
    app.overtime.OtPercent = 0.007f;
    app.overtime.OtAmount[3] = "12.50abc";
    ASSERT_TRUE(SaveOT(app));
    const std::string use = dir.read("T.use");
    EXPECT_TRUE(use.starts_with("0,1234.57,-2.5\r\n0,0,.01\r\n")) << use;
    const std::string ovw = dir.read("T.ovw");
    EXPECT_NE(ovw.find("\"\"\r\n12.5\r\n"), std::string::npos);
}

struct CorruptCase {
    const char* file;
    const char* content;
};

TEST_F(ProfileFiles, AnUnreadableFileIsReportedAndNothingIsLoaded) {
    const CorruptCase cases[] = {
        {"Smith.use", "1,2,3\r\n4,5,6\r\n"},                                // too few lines
        {"Smith.use", "1,2,3\r\n4,5,6\r\nabc,0,0\r\n"},                     // text for a number
        {"Smith.and", "2,-1,1\r\n150,1.5,0\r\n"},                           // truncated after a good .use
        {"Smith.and", "2,-1,1\r\n150,1.5,0\r\n0,0,.25\r\nmaybe,#TRUE#,#FALSE#\r\n"},  // not a boolean
        {"Smith.cfe", "25.5,x,0\r\n"},                                      // text for an integer
        {"Smith.cfe", "25.5,99999,0\r\n"},                                  // no 16-bit integer
        {"Smith.ovw", "\"6/1/2018\"\r\n100\r\n"},                           // too few rows
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + ": " + c.content);
        copyFixture("profile", "Smith");
        dir.write(c.file, c.content);
        app.UserFile = "Smith";
        app.profile = EmployeeProfile{};
        app.profile.EmpName = "Before";
        app.profile.HourRate = 9;
        app.overtime = OvertimeTracker{};
        app.overtime.OtWeekEnd[0] = "kept";
        app.state = StateTaxSettings{};
        app.state.CalAllow = 3;
        const EmployeeProfile profileBefore = app.profile;
        const OvertimeTracker overtimeBefore = app.overtime;
        const StateTaxSettings stateBefore = app.state;
        ui.clearShown();

        EXPECT_FALSE(LoadProfile(app));
        EXPECT_EQ(ui.messages(), std::vector<std::string>{corrupt(c.file)});
        EXPECT_EQ(app.profile, profileBefore);
        EXPECT_EQ(app.overtime, overtimeBefore);
        EXPECT_EQ(app.state, stateBefore);
    }
}

TEST_F(ProfileFiles, AFileThatCannotBeWrittenIsReportedAndStopsTheSave) {
    app.UserFile = "W";
    // A folder in the way of the file makes its replacement fail.
    std::filesystem::create_directories(dir / "W.and" / "inside");
    EXPECT_FALSE(SaveOT(app));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].find("W.and"), std::string::npos) << ui.messages()[0];
    EXPECT_TRUE(dir.has("W.use"));
    EXPECT_FALSE(dir.has("W.cfe"));
    // No temporary file is left behind.
    for (const auto& e : std::filesystem::directory_iterator(dir))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

TEST_F(ProfileFiles, ExistenceTests) {
    copyFixture("profile", "Smith");
    app.UserFile = "Smith";
    EXPECT_TRUE(ProfileFileExists(app, ".use"));
    EXPECT_TRUE(OvertimeFileExists(app, ".ovw"));
    EXPECT_FALSE(OvertimeFileExists(app, ".ovb"));
    app.UserFile = "Nobody";
    EXPECT_FALSE(ProfileFileExists(app, ".use"));
    EXPECT_TRUE(ui.shown().empty());
}

}  // namespace
}  // namespace qv
