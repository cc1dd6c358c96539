#include "common/format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace qv {
namespace {

// A decimal number: sign, digit string without leading zeros (empty = 0) and
// the position of the decimal point counted from the start of digits.
struct Decimal {
    bool negative = false;
    std::string digits;  // significant digits, no leading zeros
    int pointPos = 0;    // value = 0.digits * 10^pointPos

    bool isZero() const { return digits.empty(); }
};

// Every caller passes a float or a double, so the value is exact as a double.
// std::to_chars rounds exactly like printf but never looks at the C locale
// (a desktop session may set one whose decimal point is a comma).
Decimal toDecimal(double v, int significant) {
    Decimal d;
    if (!std::isfinite(v) || v == 0) return d;
    d.negative = v < 0;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, significant - 1);
    // buf: d.ddddde[+-]xx
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    auto epos = s.find('e');
    int exp = 0;
    std::string_view e = s.substr(epos + 1);
    if (!e.empty() && e.front() == '+') e.remove_prefix(1);
    std::from_chars(e.data(), e.data() + e.size(), exp);
    std::string mant;
    for (std::size_t i = 0; i < epos; ++i)
        if (s[i] != '.') mant.push_back(s[i]);
    while (!mant.empty() && mant.back() == '0') mant.pop_back();
    d.digits = mant;
    d.pointPos = exp + 1;
    return d;
}

Decimal currencyDecimal(Currency c) {
    Decimal d;
    std::int64_t u = c.units();
    if (u == 0) return d;
    d.negative = u < 0;
    unsigned long long a = d.negative ? 0ULL - static_cast<unsigned long long>(u) : static_cast<unsigned long long>(u);
    std::string s = std::to_string(a);
    d.pointPos = static_cast<int>(s.size()) - 4;
    while (!s.empty() && s.back() == '0') s.pop_back();
    d.digits = s;
    // strip leading zeros cannot occur: to_string has none
    return d;
}

// Round to `places` decimals, half away from zero, on the decimal digits.
void roundTo(Decimal& d, int places) {
    if (d.isZero()) return;
    int keep = d.pointPos + places;  // number of digits to keep
    if (keep >= static_cast<int>(d.digits.size())) return;
    if (keep < 0) { d = Decimal{}; return; }
    bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    std::string kept = d.digits.substr(0, static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') { kept[static_cast<std::size_t>(i)] = '0'; --i; }
        if (i < 0) { kept.insert(kept.begin(), '1'); d.pointPos += 1; }
        else kept[static_cast<std::size_t>(i)] += 1;
    }
    while (!kept.empty() && kept.back() == '0') kept.pop_back();
    d.digits = kept;
    if (d.digits.empty()) d = Decimal{};
}

// Digits of the integer part and the fraction part (fraction padded to `places`).
void split(const Decimal& d, std::string& intPart, std::string& fracPart, int places) {
    intPart.clear();
    fracPart.clear();
    if (d.isZero()) { fracPart.assign(static_cast<std::size_t>(places), '0'); return; }
    int n = static_cast<int>(d.digits.size());
    for (int i = 0; i < d.pointPos; ++i) intPart.push_back(i < n ? d.digits[static_cast<std::size_t>(i)] : '0');
    for (int i = d.pointPos; i < d.pointPos + places; ++i)
        fracPart.push_back(i >= 0 && i < n ? d.digits[static_cast<std::size_t>(i)] : '0');
}

struct Pattern {
    std::string prefix, suffix;
    int minInt = 0;
    bool thousands = false;
    bool hasPoint = false;
    int places = 0;
    int minFrac = 0;
    bool percent = false;
};

Pattern parse(std::string_view fmt) {
    Pattern p;
    std::size_t i = 0;
    while (i < fmt.size() && fmt[i] != '#' && fmt[i] != '0' && fmt[i] != '.' && fmt[i] != ',') {
        if (fmt[i] == '%') p.percent = true;
        p.prefix.push_back(fmt[i++]);
    }
    for (; i < fmt.size() && (fmt[i] == '#' || fmt[i] == '0' || fmt[i] == ','); ++i) {
        if (fmt[i] == '0') ++p.minInt;
        if (fmt[i] == ',') p.thousands = true;
    }
    if (i < fmt.size() && fmt[i] == '.') {
        p.hasPoint = true;
        ++i;
        for (; i < fmt.size() && (fmt[i] == '#' || fmt[i] == '0'); ++i) {
            ++p.places;
            if (fmt[i] == '0') p.minFrac = p.places;
        }
    }
    for (; i < fmt.size(); ++i) {
        if (fmt[i] == '%') p.percent = true;
        p.suffix.push_back(fmt[i]);
    }
    return p;
}

std::string render(Decimal d, std::string_view fmt) {
    Pattern p = parse(fmt);
    if (p.percent && !d.isZero()) d.pointPos += 2;
    roundTo(d, p.places);
    std::string intPart, fracPart;
    split(d, intPart, fracPart, p.places);
    while (static_cast<int>(intPart.size()) < p.minInt) intPart.insert(intPart.begin(), '0');
    if (p.thousands && intPart.size() > 3) {
        std::string grouped;
        int count = 0;
        for (auto it = intPart.rbegin(); it != intPart.rend(); ++it) {
            if (count && count % 3 == 0) grouped.insert(grouped.begin(), ',');
            grouped.insert(grouped.begin(), *it);
            ++count;
        }
        intPart = grouped;
    }
    while (static_cast<int>(fracPart.size()) > p.minFrac && fracPart.back() == '0') fracPart.pop_back();
    std::string out;
    if (d.negative && !d.isZero()) out.push_back('-');
    out += p.prefix;
    out += intPart;
    if (p.hasPoint) { out.push_back('.'); out += fracPart; }
    out += p.suffix;
    return out;
}

std::string fileText(const Decimal& d, int significant) {
    if (d.isZero()) return "0";
    std::string out = d.negative ? "-" : "";
    int n = static_cast<int>(d.digits.size());
    if (d.pointPos > significant || d.pointPos < -9) {
        // Scientific form for magnitudes the plain form cannot carry.
        out += d.digits[0];
        if (n > 1) { out.push_back('.'); out += d.digits.substr(1); }
        int exp = d.pointPos - 1;
        char buf[16];
        std::snprintf(buf, sizeof buf, "E%c%02d", exp < 0 ? '-' : '+', std::abs(exp));
        return out + buf;
    }
    if (d.pointPos <= 0) {
        out.push_back('.');
        out.append(static_cast<std::size_t>(-d.pointPos), '0');
        out += d.digits;
        return out;
    }
    for (int i = 0; i < d.pointPos; ++i) out.push_back(i < n ? d.digits[static_cast<std::size_t>(i)] : '0');
    if (n > d.pointPos) { out.push_back('.'); out += d.digits.substr(static_cast<std::size_t>(d.pointPos)); }
    return out;
}

}  // namespace

std::string formatNumber(float v, std::string_view fmt) { return render(toDecimal(v, 7), fmt); }
std::string formatNumber(double v, std::string_view fmt) { return render(toDecimal(v, 15), fmt); }
std::string formatNumber(Currency v, std::string_view fmt) { return render(currencyDecimal(v), fmt); }

float roundCents(float v) {
    return convertSingle(formatNumber(v, kFmtAmount)).value_or(0.0f);
}
double roundCents(double v) { return convertNumber(formatNumber(v, kFmtAmount)).value_or(0.0); }

std::string fileNumber(float v) { return fileText(toDecimal(v, 7), 7); }
std::string fileNumber(double v) {
    Decimal d = toDecimal(v, 15);
    // The largest doubles round at 15 digits to a text beyond the largest
    // double, which no reader takes back: such a value is written one unit of
    // its last digit nearer zero. The last digit is never 0 (zeros are
    // trimmed), so this never borrows.
    if (std::isinf(std::strtod(fileText(d, 15).c_str(), nullptr))) --d.digits.back();
    return fileText(d, 15);
}
std::string fileNumber(Currency v) { return fileText(currencyDecimal(v), 19); }

std::string plainNumber(float v) {
    std::string s = fileNumber(v);
    if (s.rfind(".", 0) == 0) return "0" + s;
    if (s.rfind("-.", 0) == 0) return "-0" + s.substr(1);
    return s;
}
std::string plainNumber(double v) {
    std::string s = fileNumber(v);
    if (s.rfind(".", 0) == 0) return "0" + s;
    if (s.rfind("-.", 0) == 0) return "-0" + s.substr(1);
    return s;
}

}  // namespace qv
