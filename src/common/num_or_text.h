// A value that is first a number and later its formatted text (state tax,
// local tax, the totals, reserved fields). It keeps the precision of what last
// set it: a single formats with 7 significant digits, a double with 15.
#pragma once

#include <string>
#include <variant>

namespace qv {

class NumOrText {
public:
    NumOrText() = default;
    NumOrText(float v) : value_(v) {}
    NumOrText(double v) : value_(v) {}
    NumOrText(std::string s) : value_(std::move(s)) {}
    NumOrText(const char* s) : value_(std::string(s)) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool isSingle() const { return std::holds_alternative<float>(value_); }
    bool isDouble() const { return std::holds_alternative<double>(value_); }
    bool isText() const { return std::holds_alternative<std::string>(value_); }

    // The number it holds; a text converts as a whole (thousands separators
    // and "$" allowed), an empty value or a text that is no number reads as 0.
    double number() const;
    // The text it holds; a number converts to its plain text ("0.5", "12").
    std::string text() const;
    // Formats with the one format engine, at the precision the value holds.
    std::string format(std::string_view fmt) const;

    friend bool operator==(const NumOrText&, const NumOrText&) = default;

private:
    std::variant<std::monostate, float, double, std::string> value_;
};

}  // namespace qv
