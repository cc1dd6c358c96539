#include "local/non_city_table.h"

#include "common/record_line.h"

namespace qv {

NonCityTable DefaultNonCityTable() {
    NonCityTable t;
    const float minBi[NonCityTable::kRows] = {0, 145, 385, 769, 1154, 999999, 999999, 999999};
    const float expBi[NonCityTable::kRows] = {0, 115, 77, 38, 0, 0, 0, 0};
    const float minWk[NonCityTable::kRows] = {0, 78, 192, 385, 577, 999999, 999999, 999999};
    const float expWk[NonCityTable::kRows] = {0, 58, 38, 19, 0, 0, 0, 0};
    for (int r = 0; r < NonCityTable::kRows; ++r) {
        t.NonMinBi[r] = minBi[r];
        t.NonExpBi[r] = expBi[r];
        t.NonMinWk[r] = minWk[r];
        t.NonExpWk[r] = expWk[r];
    }
    t.NonPer = 0.0045f;
    return t;
}

std::string nonCityTableText(const NonCityTable& t) {
    RecordWriter w;
    for (int r = 0; r < NonCityTable::kRows; ++r)
        w.num(t.NonMinBi[r]).num(t.NonExpBi[r]).num(t.NonMinWk[r]).num(t.NonExpWk[r]).endLine();
    w.num(t.NonPer).endLine();
    return w.str();
}

NonCityTable parseNonCityTable(std::string_view content, const std::string& fileName) {
    static const LineLayout kLayout = [] {
        LineLayout l = repeatLayout({4}, NonCityTable::kRows);
        l.push_back(1);
        return l;
    }();
    RecordReader in(content, fileName, kLayout);
    NonCityTable t;
    for (int r = 0; r < NonCityTable::kRows; ++r) {
        t.NonMinBi[r] = in.single();
        t.NonExpBi[r] = in.single();
        t.NonMinWk[r] = in.single();
        t.NonExpWk[r] = in.single();
    }
    t.NonPer = in.single();
    return t;
}

}  // namespace qv
