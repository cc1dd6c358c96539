#include "printing/amount_words.h"

#include <array>
#include <cmath>

#include "common/format.h"

namespace qv {

namespace {

constexpr std::array<const char*, 20> OnesWords = {
    "",        "One",     "Two",       "Three",    "Four",     "Five",    "Six",
    "Seven",   "Eight",   "Nine",      "Ten",      "Eleven",   "Twelve",  "Thirteen",
    "Fourteen", "Fifteen", "Sixteen",  "Seventeen", "Eighteen", "Nineteen"};
constexpr std::array<const char*, 10> TensWords = {"",      "Ten",   "Twenty",  "Thirty", "Forty",
                                                   "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

// Digits only; the callers hand over slices of a "000000.00" text.
int digitsValue(std::string_view digits) {
    int v = 0;
    for (char c : digits) v = v * 10 + (c - '0');
    return v;
}

float payable(float netPay) { return std::isnan(netPay) || netPay < 0 ? 0.0f : netPay; }

}  // namespace

void GroupToWords(std::string_view group, std::string& words) {
    if (group.size() != 3) return;
    const int h = group[0] - '0';
    const int t = group[1] - '0';
    const int u = group[2] - '0';
    if (h > 0) words += std::string(" ") + OnesWords[h] + " Hundred";
    const int n = t * 10 + u;
    if (n < 20) {
        if (n >= 1) words += std::string(" ") + OnesWords[n];
    } else {
        words += std::string(" ") + TensWords[t];
        if (u >= 1) words += std::string(" ") + OnesWords[u];
    }
}

std::string amountInWords(float netPay) {
    const float amount = payable(netPay);
    if (static_cast<double>(amount) > 999999.99) return "Dollar amount is too large";
    const std::string s = formatNumber(amount, kFmtCheck);  // "001234.56"
    const std::string dollars = s.substr(0, 6);
    std::string cents = s.substr(s.size() - 2);
    std::string words;
    if (digitsValue(dollars) != 0) {
        if (digitsValue(dollars.substr(0, 3)) > 0) {
            GroupToWords(dollars.substr(0, 3), words);
            words += " Thousand";
        }
        if (digitsValue(dollars.substr(3, 3)) > 0) GroupToWords(dollars.substr(3, 3), words);
    } else {
        words = "Zero";
    }
    if (digitsValue(cents) == 0) cents = "No";
    return words + " and " + cents + "/100";
}

std::string checkFigures(float netPay) {
    const float amount = payable(netPay);
    const std::string s = formatNumber(amount, kFmtCheck);
    for (std::size_t k = 1; k <= 6 && k <= s.size(); ++k) {
        if (digitsValue(s.substr(0, k)) == 0) continue;
        if (k == 1) return s;
        return std::string(k - 1, '*') + formatNumber(amount, std::string(7 - k, '0') + ".00");
    }
    return s;
}

}  // namespace qv
