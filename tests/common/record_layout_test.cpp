// Strict record lines: a file whose lines do not hold their format's fields,
// or whose last line has no line end, is damaged; numbers beyond what their
// field can hold are refused.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

#include "common/record_line.h"

namespace qv {
namespace {

// Reads a two-line format: a text and two numbers, then one number.
bool readsWhole(const std::string& content) {
    try {
        RecordReader in(content, "Smith.and", {3, 1});
        in.text();
        in.single();
        in.single();
        in.single();
        return true;
    } catch (const RecordReadError& e) {
        EXPECT_EQ(e.fileName(), "Smith.and");
        return false;
    }
}

TEST(RecordLayout, LinesMustHoldTheirFields) {
    struct Case {
        const char* content;
        bool whole;
    } cases[] = {
        {"\"Smith\",1,2\r\n3\r\n", true},
        {"\"Smith, John\",1,2\r\n3\r\n", true},         // a comma inside quotes
        {"\"Smith\",1,2\n3\n", true},                     // LF alone
        {"\"Smith\",1,2\r\n3\r\nmore,lines\r\n", true},  // lines after the format are not read
        {"\"Smith\",,\r\n3\r\n", true},                  // empty numbers
        {"\"Smith\",1,2\r\n3", false},                   // cut off: no final line end
        {"\"Smith\",1,2\r\n34", false},
        {"\"Smith\",1\r\n2\r\n3\r\n", false},            // a field short
        {"\"Smith\",1,2,9\r\n3\r\n", false},             // a field too many
        {"\"Smith,1,2\r\n3\r\n", false},                 // a lost quote
        {"Smith\",1,2\r\n3\r\n", false},                 // a lost opening quote
        {"\"Smith\"x,1,2\r\n3\r\n", false},              // text after the closing quote
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(readsWhole(c.content), c.whole) << c.content;
}

TEST(RecordLayout, WhatTheWriterWritesAlwaysReads) {
    RecordWriter w;
    w.text("A \"quoted\", text\r\nsplit").num(0.1f).empty().endLine();
    w.value(NumOrText()).endLine();
    RecordReader in(w.str(), "F", {3, 1});
    EXPECT_EQ(in.text(), "A 'quoted', text  split");
    EXPECT_FLOAT_EQ(in.single(), 0.1f);
    EXPECT_FLOAT_EQ(in.single(), 0.0f);
    EXPECT_TRUE(in.value().isEmpty());
}

TEST(RecordLayout, NumbersBeyondTheirFieldAreRefused) {
    struct Case {
        const char* text;
        bool single;
        bool currency;
    } cases[] = {
        {"3.4028234e38", true, false},
        {"3.5e38", false, false},
        {"-1e39", false, false},
        {"1e400", false, false},
        {"922337203685477", true, true},
        {"922337203685478", true, false},
        {"9e14", true, true},
        {"-9e15", true, false},
    };
    for (const Case& c : cases) {
        RecordReader single(std::string(c.text) + "\r\n", "F", {1});
        RecordReader currency(std::string(c.text) + "\r\n", "F", {1});
        EXPECT_EQ([&] {
            try { single.single(); return true; } catch (const RecordReadError&) { return false; }
        }(), c.single) << c.text;
        EXPECT_EQ([&] {
            try { currency.currency(); return true; } catch (const RecordReadError&) { return false; }
        }(), c.currency) << c.text;
    }
}

TEST(CheckedNumbers, SinglesAndCurrencyNeverLeaveTheirRange) {
    EXPECT_EQ(singleOf(1.5), 1.5f);
    EXPECT_EQ(singleOf(static_cast<long double>(FLT_MAX)), FLT_MAX);
    EXPECT_FALSE(singleOf(1e39));
    EXPECT_FALSE(singleOf(-1e39));
    EXPECT_FALSE(singleOf(INFINITY));
    EXPECT_FALSE(singleOf(NAN));
    EXPECT_EQ(convertSingle("1,234.5"), 1234.5f);
    EXPECT_FALSE(convertSingle(std::string(40, '9')));

    const Currency big = Currency::checkedFromDouble(4e14L).value();
    EXPECT_TRUE(Currency::checkedAdd(big, big).has_value());
    const Currency near = Currency::fromUnits(INT64_MAX - 5);
    EXPECT_FALSE(Currency::checkedAdd(near, Currency::fromUnits(6)));
    EXPECT_FALSE(Currency::checkedSub(Currency::fromUnits(INT64_MIN + 5), Currency::fromUnits(6)));
    EXPECT_FALSE(Currency::checkedFromDouble(1e15L));
    EXPECT_FALSE(Currency::checkedFromDouble(NAN));
}

}  // namespace
}  // namespace qv
