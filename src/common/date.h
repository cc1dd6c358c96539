// Calendar dates as the pay sheet shows them (the system's short date form).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

struct Date {
    int year = 2018;
    int month = 1;
    int day = 1;
    friend bool operator==(const Date&, const Date&) = default;
};

// "M/D/YYYY", the United States short date.
std::string shortDate(const Date& d);
// Parses "M/D/YYYY" (also "-" as separator); nothing when it is no valid date.
std::optional<Date> parseShortDate(std::string_view text);
bool isValidDate(const Date& d);

}  // namespace qv
