#include "leave/leave_balances.h"

#include "common/file_io.h"
#include "common/messages.h"
#include "common/record_line.h"
#include "employee/profile_files.h"
#include "paysheet/app.h"
#include "state/state_files.h"

namespace qv {

bool LeaveFileExists(const App& app) { return fileExists(app.userPath(".hol")); }

std::string leaveFileText(const LeaveBalances& lv) {
    RecordWriter w;
    w.num(lv.VacBal).num(lv.VacStart).num(lv.HolBal).num(lv.HolStart).num(lv.SickBal).num(lv.SickStart).endLine();
    for (std::size_t i = 0; i < kLeaveRows; ++i) w.num(lv.VacTaken[i]).num(lv.HolTaken[i]).num(lv.SickTaken[i]).endLine();
    for (std::size_t i = 0; i < kLeaveRows; ++i) w.text(lv.VacDate[i]).text(lv.HolDate[i]).text(lv.SickDate[i]).endLine();
    return w.str();
}

LeaveBalances readLeaveFile(std::string_view content, const std::string& fileName) {
    static const LineLayout kLayout = [] {
        LineLayout l{6};
        for (int n : repeatLayout({3}, 2 * static_cast<int>(kLeaveRows))) l.push_back(n);
        return l;
    }();
    RecordReader in(content, fileName, kLayout);
    LeaveBalances lv;
    lv.VacBal = in.single();
    lv.VacStart = in.single();
    lv.HolBal = in.single();
    lv.HolStart = in.single();
    lv.SickBal = in.single();
    lv.SickStart = in.single();
    for (std::size_t i = 0; i < kLeaveRows; ++i) {
        lv.VacTaken[i] = in.single();
        lv.HolTaken[i] = in.single();
        lv.SickTaken[i] = in.single();
    }
    for (std::size_t i = 0; i < kLeaveRows; ++i) {
        lv.VacDate[i] = in.text();
        lv.HolDate[i] = in.text();
        lv.SickDate[i] = in.text();
    }
    return lv;
}

bool loadLeaveFile(App& app) {
    if (!LeaveFileExists(app)) return true;
    const std::string name = app.UserFile + ".hol";
    try {
        auto content = readWholeFile(app.userPath(".hol"));
        if (!content) throw RecordReadError(name, name + ": cannot be read");
        app.leave = readLeaveFile(*content, name);
        return true;
    } catch (const RecordReadError& e) {
        app.fileDamaged(app.userPath(".hol"));
        app.ui().message(corruptFileMessage(e.fileName()));
        return false;
    }
}

bool saveLeaveFile(App& app) { return writeEmployeeFile(app, ".hol", leaveFileText(app.leave)); }

}  // namespace qv
