#include "common/date.h"

#include <charconv>

namespace qv {

std::string shortDate(const Date& d) {
    return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

bool isValidDate(const Date& d) {
    if (d.year < 100 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1) return false;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int max = days[d.month - 1];
    bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    if (d.month == 2 && leap) max = 29;
    return d.day <= max;
}

std::optional<Date> parseShortDate(std::string_view text) {
    int parts[3] = {0, 0, 0};
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    for (int k = 0; k < 3; ++k) {
        auto [p, ec] = std::from_chars(text.data() + i, text.data() + text.size(), parts[k]);
        if (ec != std::errc{}) return std::nullopt;
        i = static_cast<std::size_t>(p - text.data());
        if (k < 2) {
            if (i >= text.size() || (text[i] != '/' && text[i] != '-')) return std::nullopt;
            ++i;
        }
    }
    while (i < text.size() && text[i] == ' ') ++i;
    if (i != text.size()) return std::nullopt;
    Date d{parts[2], parts[0], parts[1]};
    if (d.year < 100) d.year += d.year < 30 ? 2000 : 1900;
    if (!isValidDate(d)) return std::nullopt;
    return d;
}

}  // namespace qv
