#include <gtest/gtest.h>

#include "printing/amount_words.h"
#include "printing/frm_checks.h"
#include "support/app_fixture.h"

namespace qv {
namespace {

struct WordsCase {
    float net;
    const char* words;  // without the leading blank
    bool leadingBlank;
    const char* figures;
};

TEST(AmountInWords, TableOfAmounts) {
    const WordsCase cases[] = {
        {0.0f, "Zero and No/100", false, "000000.00"},
        {0.45f, "Zero and 45/100", false, "000000.45"},
        {0.999f, "One and No/100", true, "*****1.00"},
        {7.25f, "Seven and 25/100", true, "*****7.25"},
        {12.05f, "Twelve and 05/100", true, "****12.05"},
        {19.99f, "Nineteen and 99/100", true, "****19.99"},
        {20.00f, "Twenty and No/100", true, "****20.00"},
        {21.00f, "Twenty One and No/100", true, "****21.00"},
        {100.00f, "One Hundred and No/100", true, "***100.00"},
        {1000.00f, "One Thousand and No/100", true, "**1000.00"},
        {1234.56f, "One Thousand Two Hundred Thirty Four and 56/100", true, "**1234.56"},
        {98765.43f, "Ninety Eight Thousand Seven Hundred Sixty Five and 43/100", true, "*98765.43"},
        {110000.10f, "One Hundred Ten Thousand and 10/100", true, "110000.10"},
    };
    for (const auto& c : cases) {
        const std::string expected = std::string(c.leadingBlank ? " " : "") + c.words;
        EXPECT_EQ(amountInWords(c.net), expected) << c.net;
        EXPECT_EQ(checkFigures(c.net), c.figures) << c.net;
    }
}

TEST(AmountInWords, GroupsAndLimits) {
    std::string w;
    GroupToWords("000", w);
    EXPECT_EQ(w, "");
    GroupToWords("905", w);
    EXPECT_EQ(w, " Nine Hundred Five");
    w.clear();
    GroupToWords("310", w);
    EXPECT_EQ(w, " Three Hundred Ten");
    EXPECT_EQ(amountInWords(500000.0f), " Five Hundred Thousand and No/100");
    EXPECT_EQ(amountInWords(999999.9f), " Nine Hundred Ninety Nine Thousand Nine Hundred Ninety Nine and 90/100");
    EXPECT_EQ(amountInWords(1000000.0f), "Dollar amount is too large");
    EXPECT_EQ(checkFigures(1000000.0f), "1000000.00");
}

// A negative net pay (deductions above the pay) and one that is no number
// are worded and figured as zero, never as a garbled amount.
TEST(AmountInWords, NegativeOrNoNumberIsZero) {
    EXPECT_EQ(amountInWords(-12.5f), "Zero and No/100");
    EXPECT_EQ(checkFigures(-12.5f), "000000.00");
    EXPECT_EQ(amountInWords(std::numeric_limits<float>::quiet_NaN()), "Zero and No/100");
    EXPECT_EQ(amountInWords(std::numeric_limits<float>::infinity()), "Dollar amount is too large");
}

TEST(CheckWindow, FillsFromProfileAndNetPay) {
    testing::HeadlessApp program({2018, 12, 7}, "qv_check_window_");
    App& app = program.app;
    app.profile.EmpName = "John Smith";
    app.profile.EmpAddress = "12 Elm Street";
    app.profile.EmpCityStateZip = "Salem, OR 97301";
    app.profile.EmpSsn = "123-45-6789";
    app.period.NetPay = -3.5f;

    FrmChecks& f = app.frmChecks();
    f.ensureLoaded();
    EXPECT_EQ(f.txtPayTo, "John Smith********");
    EXPECT_EQ(f.txtUserName, "John Smith");
    EXPECT_EQ(f.txtUserAddress, "12 Elm Street");
    EXPECT_EQ(f.txtUserState, "Salem, OR 97301");
    EXPECT_EQ(f.txtUserSSnum, "123-45-6789");
    EXPECT_EQ(f.txtDollars, "Zero and No/100");
    EXPECT_EQ(f.txtCheckAmt, "000000.00");
    // The figures routine clamps the period's own net pay.
    EXPECT_EQ(app.period.NetPay, 0.0f);

    // Edits: a click refills pay-to, amount, words and employee boxes, but
    // the date and the memo keep what was typed.
    f.txtPayTo = "Someone Else";
    f.txtDollars = "One Million";
    f.txtMemo = "Bonus";
    f.txtCheckDate = "12/8/2018";
    app.period.NetPay = 1234.56f;
    f.Form_Click();
    EXPECT_EQ(f.txtPayTo, "John Smith********");
    EXPECT_EQ(f.txtDollars, " One Thousand Two Hundred Thirty Four and 56/100");
    EXPECT_EQ(f.CheckWords, f.txtDollars);
    EXPECT_EQ(f.txtCheckAmt, "**1234.56");
    EXPECT_EQ(f.txtMemo, "Bonus");
    EXPECT_EQ(f.txtCheckDate, "12/8/2018");
}

}  // namespace
}  // namespace qv
