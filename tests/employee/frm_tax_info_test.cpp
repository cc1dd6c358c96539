#include <gtest/gtest.h>

#include "employee/employee_session.h"
#include "employee/frm_tax_info.h"
#include "employee/profile_files.h"

namespace qv {
namespace {

using ProfileScreen = testing::EmployeeSession;

TEST_F(ProfileScreen, OpeningAnEmptyProfileShowsTheDefaultsAndSavesThem) {
    FrmTaxInfo& f = app.frmTaxInfo();
    f.open();
    EXPECT_TRUE(f.visible);
    EXPECT_EQ(f.txtName, "Employee's Name");
    EXPECT_EQ(f.txtAddress, "Employee's Address for Check");
    EXPECT_EQ(f.txtStateCityZip, "City, State Zip Code");
    EXPECT_EQ(f.txtSSnum, "Soc Sec #");
    EXPECT_EQ(f.txtHourRate, "7.5");
    EXPECT_EQ(f.cboStatus, "Single");
    EXPECT_EQ(f.cboStatus2, "Single");
    EXPECT_EQ(f.cboDepend, "0");
    EXPECT_EQ(f.cboDepend2, "0");
    EXPECT_EQ(f.txtTax5, "CrUnion");
    EXPECT_EQ(f.txtTax6, "Bond");
    EXPECT_EQ(f.txtTax7, "Dues");
    EXPECT_EQ(f.txtTax8, "Pension");
    EXPECT_EQ(f.txtTax9, "Health Ins");
    EXPECT_TRUE(f.optWeek);
    EXPECT_FALSE(f.optBiWeek);
    EXPECT_EQ(f.ckKpPer, 1);
    EXPECT_EQ(f.ckKpFix, 0);
    // The opening copies the screen back: a rate of 0 becomes 7.5.
    EXPECT_EQ(app.profile.HourRate, 7.5f);
    EXPECT_EQ(app.profile.DedName9, "Health Ins");
    EXPECT_TRUE(app.profile.Weekly);
    EXPECT_EQ(app.profile.KpPer, 1);
    // ... and saves the default files.
    EXPECT_TRUE(dir.has(".use"));
    EXPECT_TRUE(dir.has(".ovw"));
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(ProfileScreen, AProfileWithNeitherFrequencyNorKPlanKindOpensWeeklyAsPercentage) {
    app.profile.KPlan = 4;
    app.profile.HourRate = 12;
    app.profile.Weekly = app.profile.BiWeekly = false;
    app.profile.KpPer = app.profile.KpFix = 0;
    app.frmTaxInfo().open();
    EXPECT_TRUE(app.frmTaxInfo().optWeek);
    EXPECT_EQ(app.frmTaxInfo().ckKpPer, 1);
    EXPECT_EQ(app.frmTaxInfo().txtHourRate, "12");
    EXPECT_TRUE(app.profile.Weekly);
    EXPECT_EQ(app.profile.KpPer, 1);
}

TEST_F(ProfileScreen, AFixedKPlanKeepsItsKind) {
    app.profile.KpPer = 0;
    app.profile.KpFix = 1;
    app.frmTaxInfo().open();
    EXPECT_EQ(app.frmTaxInfo().ckKpFix, 1);
    EXPECT_EQ(app.frmTaxInfo().ckKpPer, 0);
    EXPECT_EQ(app.profile.KpPer, 0);
}

TEST_F(ProfileScreen, TheKPlanBoxesClearEachOtherOnlyWhenSet) {
    FrmTaxInfo& f = app.frmTaxInfo();
    f.open();
    f.ckKpFix = 1;
    f.ckKpFix_Click();
    EXPECT_EQ(f.ckKpPer, 0);
    f.ckKpPer = 1;
    f.ckKpPer_Click();
    EXPECT_EQ(f.ckKpFix, 0);
    // Clearing one leaves the other alone; the save then takes percent.
    f.ckKpPer = 0;
    f.ckKpPer_Click();
    EXPECT_EQ(f.ckKpFix, 0);
    f.cmdOk_Click();
    EXPECT_EQ(app.profile.KpPer, 1);
    EXPECT_EQ(app.profile.KpFix, 0);
}

TEST_F(ProfileScreen, SaveKeepsTheEditsAndCloseDiscardsThem) {
    FrmTaxInfo& f = app.frmTaxInfo();
    f.open();
    f.txtTax7 = "Union, Local 3";
    f.txtDues = "12.5";
    f.txtHourRate2 = "20";
    f.optWeek = false;
    f.optBiWeek = true;
    f.cboDepend2 = "3";
    f.cboStatus = "Married";
    f.txtName = "Ann Lee";
    f.cmdOk_Click();
    EXPECT_FALSE(f.loaded);
    EXPECT_EQ(app.profile.DedName7, "Union, Local 3");
    EXPECT_EQ(app.profile.Dues, 12.5f);
    EXPECT_EQ(app.profile.HourRate2, 20.0f);
    EXPECT_TRUE(app.profile.BiWeekly);
    EXPECT_FALSE(app.profile.Weekly);
    EXPECT_EQ(app.profile.StateExemptions, 3);
    EXPECT_EQ(app.profile.FedStatus, "Married");
    EXPECT_EQ(app.profile.EmpName, "Ann Lee");
    EXPECT_TRUE(dir.has(".ovb"));
    // The pay sheet follows: the caption of line 7 and the tables in use.
    EXPECT_EQ(app.form1().lbTaxTag[7], "Union, Local 3");
    EXPECT_EQ(app.form1().lbTaxTag[9], "Health Ins");
    EXPECT_EQ(app.form1().lbTableNotice, "Bi-Weekly Tax Tables");

    const EmployeeProfile saved = app.profile;
    f.open();
    f.txtDues = "99";
    f.txtName = "Someone Else";
    f.ckSelfEmp = 1;
    f.Command1_Click();
    EXPECT_FALSE(f.visible);
    EXPECT_EQ(app.profile, saved);
    f.open();
    EXPECT_EQ(f.txtDues, "12.5");
    EXPECT_EQ(f.txtName, "Ann Lee");

    // What was saved is what the files hold.
    App other(ui, clock, dir);
    other.form1();
    ASSERT_TRUE(LoadProfile(other));
    EXPECT_EQ(other.profile.DedName7, "Union, Local 3");
    EXPECT_TRUE(other.profile.BiWeekly);
}

TEST_F(ProfileScreen, AClearedCaptionComesBackAsItsDefault) {
    FrmTaxInfo& f = app.frmTaxInfo();
    f.open();
    f.txtTax5 = "";
    f.txtTax9 = "";
    f.cmdOk_Click();
    EXPECT_EQ(app.profile.DedName5, "");
    f.open();
    EXPECT_EQ(f.txtTax5, "CrUnion");
    EXPECT_EQ(f.txtTax9, "Health Ins");
    EXPECT_EQ(app.profile.DedName9, "Health Ins");
}

TEST_F(ProfileScreen, ANewEmployeeShowsMiscOnLineNine) {
    FrmTaxInfo& f = app.frmTaxInfo();
    app.profile.HourRate = 15;
    app.profile.EmpName = "Old";
    app.profile.SelfEmp = 1;
    f.open();
    f.ClearAll();
    EXPECT_EQ(f.txtTax9, "Misc.");
    EXPECT_EQ(f.txtHourRate, "7.5");
    EXPECT_EQ(f.txtName, "Employee's Name");
    EXPECT_EQ(f.ckSelfEmp, 0);
    EXPECT_EQ(app.profile.HourRate, 0.0f);
    EXPECT_EQ(app.profile.DedName9, "Misc.");
    EXPECT_EQ(app.profile.StateStatus, "Single");
    EXPECT_TRUE(app.profile.Weekly);
}

TEST_F(ProfileScreen, ARateThatIsNoNumberIsRefusedAndChangesNothing) {
    struct Case {
        std::string FrmTaxInfo::*box;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {&FrmTaxInfo::txtHourRate, "1.2.3", "Hourly Rate 1 must be a number."},
        {&FrmTaxInfo::txtHourRate2, "abc", "Hourly Rate 2 must be a number."},
        {&FrmTaxInfo::txtTipsRate, "1-2", "Tips Rate must be a number."},
        {&FrmTaxInfo::cboDepend, "10", "Federal exemptions must be a whole number from 0 to 9."},
        {&FrmTaxInfo::cboDepend2, "x", "State & City exemptions must be a whole number from 0 to 9."},
    };
    FrmTaxInfo& f = app.frmTaxInfo();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        f.open();
        const EmployeeProfile before = app.profile;
        const std::string useBefore = dir.read(".use");
        ui.clearShown();
        f.txtDues = "44";
        f.*c.box = c.text;
        f.cmdOk_Click();
        EXPECT_EQ(ui.messages(), std::vector<std::string>{c.message});
        EXPECT_TRUE(f.visible);
        EXPECT_EQ(app.profile, before);
        EXPECT_EQ(dir.read(".use"), useBefore);
        f.Command1_Click();
    }
}

TEST_F(ProfileScreen, BlankRateAndAmountBoxesReadAsZero) {
    FrmTaxInfo& f = app.frmTaxInfo();
    f.open();
    f.txtHourRate = "";
    f.txtHourRate2 = "";
    f.txtMuni = "12abc";
    f.txtBond = "-";
    f.cmdOk_Click();
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(app.profile.HourRate, 7.5f);
    EXPECT_EQ(app.profile.HourRate2, 0.0f);
    EXPECT_EQ(app.profile.CrUnion, 12.0f);
    EXPECT_EQ(app.profile.Bond, 0.0f);
}

TEST_F(ProfileScreen, LoadingAProfileRefreshesAnOpenScreen) {
    FrmTaxInfo& f = app.frmTaxInfo();
    f.open();
    copyFixture("profile", "Smith");
    app.UserFile = "Smith";
    ASSERT_TRUE(LoadProfile(app));
    EXPECT_EQ(f.txtHourRate, "12.5");
    EXPECT_EQ(f.txtTax5, "Credit, Union");
    EXPECT_EQ(f.txtName, "John Smith");
    EXPECT_EQ(f.cboStatus, "Married");
    EXPECT_EQ(f.ckKpFix, 1);
    EXPECT_EQ(f.ckKpPer, 0);
    EXPECT_EQ(f.ckNonCity, 1);
    EXPECT_EQ(f.ckCafeState, 1);
    EXPECT_EQ(f.txtCafe, "25.5");
}

TEST_F(ProfileScreen, AmountBoxesTakeOnlyNumberKeys) {
    for (char c : std::string("0123456789 -.\b")) EXPECT_TRUE(FrmTaxInfo::amountBoxAccepts(c)) << c;
    for (char c : std::string("a$,+e")) EXPECT_FALSE(FrmTaxInfo::amountBoxAccepts(c)) << c;
}

}  // namespace
}  // namespace qv
