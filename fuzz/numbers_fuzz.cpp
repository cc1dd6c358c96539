// The two readings of text as a number, the checked single, and the format
// engine on every format: no input may crash them or convert out of range,
// and a number written to a file reads back.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "common/format.h"
#include "common/numbers.h"
#include "fuzz_support.h"

using namespace qv;

namespace {

constexpr std::string_view kFormats[] = {kFmtAmount, kFmtDollar,   kFmtLedger,    kFmtRate,
                                         kFmtCheck,  kFmtPercent, kFmtDollarOpt, kFmtTwoPlaces};

void formatEverywhere(float f, double d) {
    for (std::string_view fmt : kFormats) {
        (void)formatNumber(f, fmt);
        (void)formatNumber(d, fmt);
        if (auto c = Currency::checkedFromDouble(d)) (void)formatNumber(*c, fmt);
    }
    (void)roundCents(f);
    (void)roundCents(d);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const double box = valueOf(text);
    if (!std::isfinite(box)) fuzz::broken();
    const std::optional<double> whole = convertNumber(text);
    if (whole && !std::isfinite(*whole)) fuzz::broken();
    const std::optional<float> single = convertSingle(text);
    if (single && !std::isfinite(*single)) fuzz::broken();
    (void)isNumberOrBlank(text);
    formatEverywhere(singleOf(box).value_or(0.0f), box);
    if (whole) formatEverywhere(single.value_or(0.0f), *whole);

    // Raw bits: every finite single survives its file text.
    if (size >= 12) {
        float f;
        double d;
        std::memcpy(&f, data, sizeof f);
        std::memcpy(&d, data + 4, sizeof d);
        // The file keeps 7 significant digits of a single: what it writes
        // must read back as a number, and as a single.
        if (std::isfinite(f)) {
            if (!convertSingle(fileNumber(f))) fuzz::broken();
            formatEverywhere(f, std::isfinite(d) ? d : 0.0);
        }
        if (std::isfinite(d) && !convertNumber(fileNumber(d))) fuzz::broken();
        if (auto a = Currency::checkedFromDouble(d)) {
            auto b = Currency::checkedFromDouble(f);
            if (b) {
                (void)Currency::checkedAdd(*a, *b);
                (void)Currency::checkedSub(*a, *b);
            }
        }
    }
    return 0;
}
