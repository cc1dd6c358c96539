#include "common/num_or_text.h"

#include "common/format.h"
#include "common/numbers.h"

namespace qv {

double NumOrText::number() const {
    if (auto f = std::get_if<float>(&value_)) return *f;
    if (auto d = std::get_if<double>(&value_)) return *d;
    if (auto s = std::get_if<std::string>(&value_)) return convertNumber(*s).value_or(0.0);
    return 0.0;
}

std::string NumOrText::text() const {
    if (auto f = std::get_if<float>(&value_)) return plainNumber(*f);
    if (auto d = std::get_if<double>(&value_)) return plainNumber(*d);
    if (auto s = std::get_if<std::string>(&value_)) return *s;
    return {};
}

std::string NumOrText::format(std::string_view fmt) const {
    if (auto f = std::get_if<float>(&value_)) return formatNumber(*f, fmt);
    if (auto s = std::get_if<std::string>(&value_)) {
        if (auto v = convertNumber(*s)) return formatNumber(*v, fmt);
        return *s;
    }
    return formatNumber(number(), fmt);
}

}  // namespace qv
