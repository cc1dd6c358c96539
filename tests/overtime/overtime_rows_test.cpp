#include <gtest/gtest.h>

#include "common/record_line.h"
#include "overtime/overtime_tracker.h"

namespace qv {
namespace {

TEST(OvertimeRows, WeeklyAndBiWeeklyFilesHoldTwoLinesPerRow) {
    OvertimeTracker ot;
    ot.OtWeekEnd[0] = "1/5/2018";
    ot.OtAmount[0] = "100";
    ot.OtAmount[1] = "12.50";
    ot.OtAmount[2] = ".5";
    ot.OtAmount[3] = "abc";
    ot.OtAmount[26] = "7";
    ot.OtAmount[52] = "9";
    const std::string weekly = overtimeRowsText(ot, true);
    const std::string biWeekly = overtimeRowsText(ot, false);
    EXPECT_TRUE(weekly.starts_with("\"1/5/2018\"\r\n100\r\n\"\"\r\n12.5\r\n\"\"\r\n.5\r\n\"\"\r\n0\r\n"));
    EXPECT_TRUE(weekly.ends_with("\"\"\r\n9\r\n"));
    EXPECT_TRUE(biWeekly.ends_with("\"\"\r\n7\r\n"));
    auto lines = [](const std::string& s) {
        std::size_t n = 0;
        for (std::size_t p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n", p + 2)) ++n;
        return n;
    };
    EXPECT_EQ(lines(weekly), 106u);
    EXPECT_EQ(lines(biWeekly), 54u);

    // Read back, both fields come as text; rows beyond the bi-weekly ones
    // are left alone.
    OvertimeTracker back;
    back.OtAmount[40] = "untouched";
    RecordReader in(biWeekly, "X.ovb");
    readOvertimeRows(in, back, false);
    EXPECT_EQ(back.OtWeekEnd[0], "1/5/2018");
    EXPECT_EQ(back.OtAmount[1], "12.5");
    EXPECT_EQ(back.OtAmount[2], ".5");
    EXPECT_EQ(back.OtAmount[3], "0");
    EXPECT_EQ(back.OtAmount[26], "7");
    EXPECT_EQ(back.OtAmount[40], "untouched");
}

TEST(OvertimeRows, AShortFileIsAReadError) {
    OvertimeTracker ot;
    RecordReader in(std::string("\"a\"\r\n1\r\n"), "X.ovw");
    try {
        readOvertimeRows(in, ot, true);
        FAIL() << "no error";
    } catch (const RecordReadError& e) {
        EXPECT_EQ(e.fileName(), "X.ovw");
    }
}

}  // namespace
}  // namespace qv
