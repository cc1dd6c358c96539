// The two Wisconsin presets: the rates before 4/1/14 and the current ones,
// with the credit per exemption.
#include <array>
#include <string_view>

#include "paysheet/app.h"
#include "state/dialog_state.h"
#include "state/methods/method_support.h"

namespace qv {
namespace {

struct WisconsinRow {
    std::string_view singleMin, singleAmt, singleRate, marriedMin, marriedAmt, marriedRate;
};

using WisconsinTable = std::array<WisconsinRow, 7>;

constexpr WisconsinTable kPriorTo2014 = {{
    {"0", "0", "0", "0", "0", "0"},
    {"153.85", "0", "0.046", "211.54", "0", "0.046"},
    {"408.46", "11.73", "0.05154", "518.08", "14.12", "0.0615"},
    {"454.81", "14.12", "0.06888", "575", "17.62", "0.0738"},
    {"716.5", "32.15", "0.0728", "771.81", "32.15", "0.078"},
    {"1690.5", "103.08", "0.065", "1632.69", "99.31", "0.065"},
    {"4428.46", "281.04", "0.0675", "4428.46", "281.04", "0.0675"},
}};

constexpr WisconsinTable kCurrent = {{
    {"0", "0", "0", "0", "0", "0"},
    {"220.38", "0", "0.04", "302.69", "0", "0.04"},
    {"584.62", "14.57", "0.0448", "722.31", "16.78", "0.0584"},
    {"634.08", "16.79", "0.065408", "823.08", "22.67", "0.07008"},
    {"1008.73", "41.29", "0.070224", "1088.77", "41.29", "0.07524"},
    {"2421.15", "140.48", "0.0627", "2336.54", "135.17", "0.0627"},
    {"9238.08", "567.9", "0.0765", "9238.08", "567.9", "0.0765"},
}};

// The allowance entries are a tax credit per exemption (bi-weekly).
constexpr double kCreditPerExemption = 0.85;

void applyWisconsinPreset(DialogState& d, const WisconsinTable& table) {
    d.numberAllowanceRows();
    d.clearTableRows(7, 9);
    d.setTableRowsEnabled(0, 9, true);
    for (int r = 0; r < 7; ++r) {
        d.setTableRow(true, r, table[r].singleMin, table[r].singleAmt, table[r].singleRate);
        d.setTableRow(false, r, table[r].marriedMin, table[r].marriedAmt, table[r].marriedRate);
    }
    for (int n = 0; n < 10; ++n) {
        d.txtStateSgExp[n] = methods::multipleText(kCreditPerExemption, n);
        d.txtStateMarExp[n] = methods::multipleText(kCreditPerExemption, n);
    }
}

}  // namespace

void DialogState::WisconsinSet() { applyWisconsinPreset(*this, kPriorTo2014); }

void DialogState::WisconsinAprilSet() { applyWisconsinPreset(*this, kCurrent); }

}  // namespace qv
