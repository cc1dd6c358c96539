// The federal percentage-method withholding tables, as read from
// "Federal18.dtt" in the working folder.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qv {

// One bracket of a percentage-method table, dollars per pay period of the
// table's frequency. The tax in the bracket is Base + (wages - ExcessOver) x Rate
// for Over < wages <= NotOver. Row 0 has no Base (it is 0); row 7, the top
// bracket, has no NotOver (it is unbounded and the field stays 0).
struct FedRow {
    float Over = 0;
    float NotOver = 0;
    float ExcessOver = 0;
    float Rate = 0;  // a fraction: 0.10 for ten percent
    float Base = 0;

    friend bool operator==(const FedRow&, const FedRow&) = default;
};

// Eight rows: 0 the lowest taxed bracket, 1 to 6 the middle brackets, 7 the top.
using FedTable = std::array<FedRow, 8>;

struct FederalTables {
    FedTable FedBiwSingle{};   // bi-weekly pay, single
    FedTable FedWkSingle{};    // weekly pay, single
    FedTable FedBiwMarried{};  // bi-weekly pay, married
    FedTable FedWkMarried{};   // weekly pay, married
    // The allowance amount for n = 0 to 9 allowances, for one weekly period;
    // the calculation doubles it for bi-weekly pay.
    std::array<float, 10> FedAllowSingle{};
    std::array<float, 10> FedAllowMarried{};
    // The edition text the pay sheet shows in `lbTaxVer`.
    std::string FedTableVer;

    // Sets every table number and allowance amount to 0 and keeps
    // `FedTableVer`: what the calculation leaves behind when it ends, so the
    // next calculation always works on the file as it is then.
    void clearNumbers();

    friend bool operator==(const FederalTables&, const FederalTables&) = default;
};

// The table file's name in the working folder.
inline constexpr std::string_view kFederalFileName = "Federal18.dtt";

// The record as read from the text of a table file, for callers that hold the
// text already. Throws RecordReadError naming `fileName` when the text is
// truncated or malformed.
FederalTables parseFederalTables(std::string_view content, std::string fileName = std::string(kFederalFileName));

}  // namespace qv
