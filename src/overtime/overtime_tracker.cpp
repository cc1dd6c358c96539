#include "overtime/overtime_tracker.h"

#include "common/file_io.h"
#include "common/format.h"
#include "common/numbers.h"
#include "common/record_line.h"
#include "paysheet/app.h"

namespace qv {

bool OvertimeFileExists(const App& app, std::string_view ext) { return fileExists(app.userPath(ext)); }

std::string overtimeRowsText(const OvertimeTracker& ot, bool weekly) {
    RecordWriter w;
    const std::size_t rows = otRowsInUse(weekly);
    for (std::size_t i = 0; i < rows; ++i) {
        w.text(ot.OtWeekEnd[i]).endLine();
        // The amount box may hold anything the key filter let through; what
        // is stored is its value, which is what the totals add up.
        w.num(valueOf(ot.OtAmount[i])).endLine();
    }
    return w.str();
}

LineLayout overtimeRowsLayout(bool weekly) {
    return repeatLayout({1, 1}, static_cast<int>(otRowsInUse(weekly)));
}

void readOvertimeRows(RecordReader& in, OvertimeTracker& ot, bool weekly) {
    const std::size_t rows = otRowsInUse(weekly);
    for (std::size_t i = 0; i < rows; ++i) {
        ot.OtWeekEnd[i] = in.text();
        ot.OtAmount[i] = in.text();
    }
}

}  // namespace qv
