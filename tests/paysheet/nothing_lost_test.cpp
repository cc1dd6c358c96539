// A refused calculation changes no file; a calculation that showed a failure
// says so; a file that could not be loaded is moved aside before any save
// would replace it; numbers beyond their field are refused, never wrapped.
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

#include "common/messages.h"
#include "ledger/year_ledger.h"
#include "paysheet/calculate.h"
#include "paysheet_fixture.h"
#include "state/dialog_state.h"

namespace qv {
namespace {

class NothingLost : public testing::PaySheetSession {
protected:
    CalcOutcome add(std::initializer_list<const char*> amounts) {
        Form1& s = sheet();
        std::size_t i = 0;
        for (auto& box : s.txtAmount) box.clear();
        for (const char* a : amounts) s.txtAmount[i++] = a;
        return s.cmdCal_Click();
    }
    // A file's bytes, whatever its size.
    static std::string bytesOf(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Every file of the folder with its content.
    std::map<std::string, std::string> snapshot() {
        std::map<std::string, std::string> out;
        for (const std::string& name : filesIn(dir)) out[name] = dir.read(name);
        return out;
    }
};

TEST_F(NothingLost, ARefusedCalculationWritesNothing) {
    ASSERT_EQ(add({"40"}), CalcOutcome::Done);
    struct Case {
        const char* amount;
        const char* gross;  // an hour rate that makes the gross leave the currency range
    } cases[] = {{"1.2.3", nullptr}, {"1-2", nullptr}, {"2e9", nullptr}, {"999999999", "1e9"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        if (c.gross) editProfile([](EmployeeProfile& p) { p.HourRate = 1e9f; });
        const auto before = snapshot();
        ui.clearShown();
        EXPECT_EQ(add({c.amount}), CalcOutcome::Refused);
        EXPECT_EQ(ui.messages(), std::vector<std::string>{std::string(kNonNumeric)});
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(NothingLost, AnAdjustmentBeyondASingleIsRefused) {
    DialogState& d = app.dialogState();
    d.ensureLoaded();
    d.txtStateAdj = std::string(40, '9');
    const auto before = snapshot();
    EXPECT_EQ(add({"40"}), CalcOutcome::Refused);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(NothingLost, FailuresOnTheWayMakeTheCalculationIncomplete) {
    ASSERT_EQ(add({"40"}), CalcOutcome::Done);
    std::filesystem::rename(dir / "Federal18.dtt", dir / "kept.dtt");
    EXPECT_EQ(add({"40"}), CalcOutcome::Incomplete);
    std::filesystem::rename(dir / "kept.dtt", dir / "Federal18.dtt");
    EXPECT_EQ(add({"40"}), CalcOutcome::Done);

    editProfile([](EmployeeProfile& p) { p.FedExemptions = "12"; });
    ui.clearShown();
    EXPECT_EQ(add({"40"}), CalcOutcome::Incomplete);
    EXPECT_EQ(ui.messages(), std::vector<std::string>{std::string(kExemptionsOutOfRange)});
}

TEST_F(NothingLost, DamagedFilesAreKeptAsideBeforeTheSave) {
    ASSERT_EQ(add({"40"}), CalcOutcome::Done);
    // Each default file damaged in its own way; the next calculation's
    // save-all must keep every one of them.
    struct Case {
        const char* name;
        std::string content;
    } cases[] = {
        {".use", "350,5000\r\n"},                     // short
        {".sta", dir.read(".sta") + "extra"},          // no final line end
        {".cti", "\"0,0,.0205,0,0,.0205\r\n"},        // a lost quote
        {".and", std::string(2 * 1024 * 1024, '1')},  // beyond the size limit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(dir / c.name, c.content);
        ui.clearShown();
        EXPECT_EQ(add({"40"}), CalcOutcome::Incomplete);
        EXPECT_TRUE(bytesOf(dir / (std::string(c.name) + ".damaged")) == c.content);
        bool told = false;
        for (const auto& m : ui.messages())
            if (m.find(std::string(c.name) + ".damaged") != std::string::npos) told = true;
        EXPECT_TRUE(told) << "the user is told where the file went";
        // The next calculation reads the file the save wrote.
        EXPECT_EQ(add({"40"}), CalcOutcome::Done);
    }
    // A second damage of the same file keeps both copies.
    writeFile(dir / ".sta", "x\r\n");
    EXPECT_EQ(add({"40"}), CalcOutcome::Incomplete);
    EXPECT_EQ(dir.read(".sta.damaged.2"), "x\r\n");
}

TEST_F(NothingLost, AYearBeyondTheCurrencyRangeIsReportedNotWrapped) {
    YearLedger& l = app.ledger;
    for (int i = 0; i < 53; ++i) l.rows[static_cast<std::size_t>(i)].YrGross = 9e14f;
    app.profile.Weekly = true;
    EXPECT_FALSE(recomputeYearSums(l, true));
    EXPECT_GE(l.TotGross.units(), 0) << "a sum never wraps round";
}

}  // namespace
}  // namespace qv
