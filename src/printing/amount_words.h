// The check's amount twice over: in words for the "DOLLARS" line and in
// asterisk-padded figures for the amount box.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Appends the words of a group of exactly three digits to `words`; every piece
// begins with a blank (" Two Hundred Thirty Four").
void GroupToWords(std::string_view group, std::string& words);

// The words of a net pay: " One Thousand Two Hundred Thirty Four and 56/100",
// "Zero and No/100", or "Dollar amount is too large" above 999,999.99. A
// negative amount (or one that is no number) is worded as zero.
std::string amountInWords(float netPay);

// The figures of a net pay, padded on the left with asterisks to nine
// characters ("**1234.56"); amounts below one keep their zeros ("000000.45").
// A negative amount shows as zero.
std::string checkFigures(float netPay);

}  // namespace qv
