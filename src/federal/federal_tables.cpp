#include "federal/federal_tables.h"

#include <initializer_list>
#include <optional>
#include <string>

#include "common/file_io.h"
#include "common/messages.h"
#include "common/record_line.h"
#include "paysheet/app.h"

namespace qv {
namespace {

// One table: row 0 (Over, NotOver, ExcessOver, Rate), rows 1 to 6 (Over,
// NotOver, ExcessOver, Rate, Base), row 7 (Over, ExcessOver, Rate, Base), then
// one separator field that is read and ignored.
void readTable(RecordReader& in, FedTable& t, std::string_view name, std::string& where) {
    where = std::string(name) + " row 0";
    FedRow& first = t[0];
    first.Over = in.single();
    first.NotOver = in.single();
    first.ExcessOver = in.single();
    first.Rate = in.single();
    first.Base = 0;
    for (std::size_t r = 1; r <= 6; ++r) {
        where = std::string(name) + " row " + std::to_string(r);
        FedRow& row = t[r];
        row.Over = in.single();
        row.NotOver = in.single();
        row.ExcessOver = in.single();
        row.Rate = in.single();
        row.Base = in.single();
    }
    where = std::string(name) + " row 7";
    FedRow& top = t[7];
    top.Over = in.single();
    top.NotOver = 0;
    top.ExcessOver = in.single();
    top.Rate = in.single();
    top.Base = in.single();
    where = std::string(name) + " closing heading";
    in.text();
}

}  // namespace

void FederalTables::clearNumbers() {
    for (FedTable* t : {&FedBiwSingle, &FedWkSingle, &FedBiwMarried, &FedWkMarried}) t->fill(FedRow{});
    FedAllowSingle.fill(0.0f);
    FedAllowMarried.fill(0.0f);
}

FederalTables parseFederalTables(std::string_view content, std::string fileName) {
    RecordReader in(content, fileName);
    FederalTables t;
    std::string where;
    try {
        readTable(in, t.FedBiwSingle, "bi-weekly single table", where);
        readTable(in, t.FedWkSingle, "weekly single table", where);
        readTable(in, t.FedBiwMarried, "bi-weekly married table", where);
        readTable(in, t.FedWkMarried, "weekly married table", where);
        where = "single allowances";
        for (float& a : t.FedAllowSingle) a = in.single();
        where = "married allowances";
        for (float& a : t.FedAllowMarried) a = in.single();
        where = "edition text";
        t.FedTableVer = in.text();
    } catch (const RecordReadError& e) {
        // Say where in the layout the reading stopped, not only which field.
        throw RecordReadError(fileName, std::string(e.what()) + " (in the " + where + ")");
    }
    // Anything after the edition text is not part of the tables.
    return t;
}

bool FederalFileExists(App& app) {
    if (fileExists(app.pathOf(kFederalFileName))) return true;
    app.ui().message(kFederalMissingMessage);
    return false;
}

bool LoadFederalTables(App& app) {
    if (!FederalFileExists(app)) return false;
    const std::string name(kFederalFileName);
    std::optional<std::string> content = readWholeFile(app.pathOf(kFederalFileName));
    if (!content) {
        app.ui().message(federalUnreadableMessage(name));
        return false;
    }
    // Read into a separate record and take it only when the whole file read,
    // so a damaged file never leaves half-replaced tables behind.
    try {
        FederalTables loaded = parseFederalTables(*content, name);
        app.federal = std::move(loaded);
    } catch (const RecordReadError& e) {
        app.ui().message(federalDamagedMessage(name, e.what()));
        return false;
    }
    return true;
}

}  // namespace qv
