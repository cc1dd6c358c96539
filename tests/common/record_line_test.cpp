#include <gtest/gtest.h>

#include <string>

#include "common/record_line.h"

namespace qv {
namespace {

TEST(RecordWriter, FieldsOfEveryKind) {
    RecordWriter w;
    w.num(0.0205f).num(-0.5f).num(999999.0f).num(79.8f).num(0.0f).endLine();
    w.text("He said \"hi\", twice").boolean(true).boolean(false).empty().integer(-3).endLine();
    w.num(Currency::fromDouble(1234.5678L)).num(1.0 / 3.0).value(NumOrText("12.50")).value(NumOrText(2.5f)).value(NumOrText()).endLine();
    w.text("").text("two\r\nlines").endLine();
    EXPECT_EQ(w.str(),
              ".0205,-.5,999999,79.8,0\r\n"
              "\"He said 'hi', twice\",#TRUE#,#FALSE#,,-3\r\n"
              "1234.5678,.333333333333333,\"12.50\",2.5,\r\n"
              "\"\",\"two  lines\"\r\n");
}

// What the writer puts out, the reader gives back field for field.
TEST(RecordLines, RoundTrip) {
    RecordWriter w;
    w.num(0.0725f).num(-12.5f).num(123456.7f).endLine();
    w.text("Smith, John").text("O\"Brien").boolean(true).boolean(false).endLine();
    w.integer(32767).integer(-32768).empty().value(NumOrText("7.25")).value(NumOrText(3.5f)).endLine();
    w.num(Currency::fromDouble(-0.0001L)).num(1e-7f).num(3.0e20f).empty().endLine();
    w.text("last").endLine();

    RecordReader r(w.str(), "Sample.use");
    EXPECT_EQ(r.single(), 0.0725f);
    EXPECT_EQ(r.single(), -12.5f);
    EXPECT_EQ(r.single(), 123456.7f);
    EXPECT_EQ(r.text(), "Smith, John");
    EXPECT_EQ(r.text(), "O'Brien");
    EXPECT_TRUE(r.boolean());
    EXPECT_FALSE(r.boolean());
    EXPECT_EQ(r.integer(), 32767);
    EXPECT_EQ(r.integer(), -32768);
    EXPECT_TRUE(r.value().isEmpty());
    EXPECT_EQ(r.value(), NumOrText("7.25"));
    EXPECT_DOUBLE_EQ(r.value().number(), 3.5);
    EXPECT_EQ(r.currency(), Currency::fromUnits(-1));
    EXPECT_EQ(r.single(), 1e-7f);
    EXPECT_EQ(r.single(), 3.0e20f);
    EXPECT_EQ(r.single(), 0.0f);  // an empty field reads as 0
    EXPECT_EQ(r.text(), "last");
    EXPECT_TRUE(r.atEnd());
}

// Commas and line ends alike separate fields, whatever line ends were used.
TEST(RecordReader, SeparatorsAndLineEnds) {
    const char* layouts[] = {
        "1,2,3\r\n4\r\n",
        "1\r\n2\r\n3\r\n4",
        "1,2,3,4\r\n",
        "1\n2,3\n4\n",
        "1\r2,3\r4",
        " 1 , 2 ,3\t,4  \r\n",
    };
    for (const char* text : layouts) {
        RecordReader r(text, "t.dat");
        for (float expected : {1.0f, 2.0f, 3.0f, 4.0f}) EXPECT_EQ(r.single(), expected) << text;
        EXPECT_TRUE(r.atEnd()) << text;
    }
}

TEST(RecordReader, AnyDecimalSpelling) {
    const struct {
        const char* text;
        float expected;
    } cases[] = {
        {".5", 0.5f},     {"0.5", 0.5f},   {"-.5", -0.5f},   {"-0.5", -0.5f}, {"+.5", 0.5f},
        {"5E-1", 0.5f},   {"5e-01", 0.5f}, {"5.E-1", 0.5f},  {"1E+20", 1e20f}, {"7.", 7.0f},
        {"0205", 205.0f}, {".0205", 0.0205f}, {"\"12.5\"", 12.5f},
    };
    for (const auto& c : cases) {
        RecordReader r(c.text, "t.dat");
        EXPECT_EQ(r.single(), c.expected) << c.text;
    }
}

TEST(RecordReader, QuotedTextKeepsCommasAndBlanks) {
    RecordReader r("\"Smith, John\",\"  two  blanks \",\"\",\"a\"\r\n\"line\nbreak\"", "t.dat");
    EXPECT_EQ(r.text(), "Smith, John");
    EXPECT_EQ(r.text(), "  two  blanks ");
    EXPECT_EQ(r.text(), "");
    EXPECT_EQ(r.text(), "a");
    EXPECT_EQ(r.text(), "line\nbreak");
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, EmptyFields) {
    // Empty between commas, first on a line, last on a line, a line of its own.
    RecordReader r(",1,,2,\r\n\r\n3", "t.dat");
    EXPECT_TRUE(r.value().isEmpty());
    EXPECT_EQ(r.single(), 1.0f);
    EXPECT_EQ(r.text(), "");
    EXPECT_EQ(r.single(), 2.0f);
    EXPECT_FALSE(r.boolean());
    EXPECT_EQ(r.integer(), 0);
    EXPECT_EQ(r.single(), 3.0f);
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, BooleansAndFlags) {
    RecordReader r("#TRUE#,#FALSE#,-1,0,1,#TRUE#,#FALSE#", "t.dat");
    EXPECT_TRUE(r.boolean());
    EXPECT_FALSE(r.boolean());
    EXPECT_TRUE(r.boolean());
    EXPECT_FALSE(r.boolean());
    EXPECT_TRUE(r.boolean());
    EXPECT_EQ(r.integer(), -1);  // a true flag read as a number
    EXPECT_EQ(r.integer(), 0);
}

// A missing field or a field of the wrong type is a read failure that names
// the file and the field.
TEST(RecordReader, FailuresNameTheFile) {
    const struct {
        const char* what;
        const char* content;
        int fieldsBefore;  // singles read successfully before the failing read
        char failingRead;  // s single, i integer, b boolean, c currency, t text
        const char* expectInMessage;
    } cases[] = {
        {"past the end", "1,2", 2, 's', "ends before field 3"},
        {"empty file", "", 0, 't', "ends before field 1"},
        {"word for a number", "1,abc", 1, 's', "field 2 is not a number: \"abc\""},
        {"two points", "1.2.3", 0, 's', "1.2.3"},
        {"quoted word for a number", "\"abc\"", 0, 's', "not a number"},
        {"too large a single", "1e39", 0, 's', "too large"},
        {"too large an integer", "40000", 0, 'i', "-32768 to 32767"},
        {"word for a boolean", "maybe", 0, 'b', "not #TRUE# or #FALSE#"},
        {"too large a currency", "1e20", 0, 'c', "too large"},
    };
    for (const auto& c : cases) {
        RecordReader r(c.content, "Smith.sta");
        for (int i = 0; i < c.fieldsBefore; ++i) r.single();
        try {
            switch (c.failingRead) {
                case 's': r.single(); break;
                case 'i': r.integer(); break;
                case 'b': r.boolean(); break;
                case 'c': r.currency(); break;
                default: r.text(); break;
            }
            ADD_FAILURE() << c.what << ": no failure";
        } catch (const RecordReadError& e) {
            EXPECT_EQ(e.fileName(), "Smith.sta") << c.what;
            const std::string msg = e.what();
            EXPECT_EQ(msg.rfind("Smith.sta", 0), 0u) << c.what << ": " << msg;
            EXPECT_NE(msg.find(c.expectInMessage), std::string::npos) << c.what << ": " << msg;
        }
    }
}

TEST(RecordReader, ValuesKeepTheirKind) {
    RecordReader r("\"12.50\",12.5,,abc,#TRUE#", "t.dat");
    NumOrText quoted = r.value();
    EXPECT_TRUE(quoted.isText());
    EXPECT_EQ(quoted.text(), "12.50");
    NumOrText number = r.value();
    EXPECT_FALSE(number.isText());
    EXPECT_DOUBLE_EQ(number.number(), 12.5);
    EXPECT_TRUE(r.value().isEmpty());
    EXPECT_EQ(r.value().text(), "abc");
    EXPECT_EQ(r.value().text(), "#TRUE#");
}

}  // namespace
}  // namespace qv
