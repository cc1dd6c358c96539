// Record lines: the text layout of every data file. Fields are separated by
// commas, each written line ends with CR LF, texts are in double quotes,
// booleans are #TRUE#/#FALSE#, an empty value is nothing between commas.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/num_or_text.h"
#include "common/numbers.h"

namespace qv {

// Builds a file one record line at a time.
class RecordWriter {
public:
    RecordWriter& num(float v);
    RecordWriter& num(double v);
    RecordWriter& num(Currency v);
    RecordWriter& integer(int v);
    RecordWriter& boolean(bool v);
    // A double quote cannot be stored inside a quoted text: it becomes '.
    RecordWriter& text(std::string_view v);
    RecordWriter& value(const NumOrText& v);
    RecordWriter& empty();
    // Ends the current line with CR LF.
    RecordWriter& endLine();

    const std::string& str() const { return out_; }

private:
    void separate();
    std::string out_;
    bool lineStarted_ = false;
};

// A field that is missing or cannot become its destination's type.
class RecordReadError : public std::runtime_error {
public:
    RecordReadError(std::string fileName, const std::string& what)
        : std::runtime_error(what), fileName_(std::move(fileName)) {}
    const std::string& fileName() const { return fileName_; }

private:
    std::string fileName_;
};

// The number of fields on each line of a format, first line first.
using LineLayout = std::vector<int>;
// `lines` repeated `count` times.
LineLayout repeatLayout(const LineLayout& lines, int count);

// Reads fields in the fixed order of a format; commas and line ends alike
// separate fields. Every read throws RecordReadError naming the file when the
// field is missing or of the wrong type.
class RecordReader {
public:
    // Lines are not checked: only the order and number of fields count.
    RecordReader(std::string_view content, std::string fileName);
    // Every line of `layout` must hold exactly its number of fields, the file
    // must end with a line end, and a quoted text must end at its closing
    // quote; otherwise every read throws. A lost quote or a cut-off last line
    // thus makes the file damaged instead of shifting or truncating fields.
    // Lines after the layout are not read.
    RecordReader(std::string_view content, std::string fileName, const LineLayout& layout);

    float single();
    double dbl();
    Currency currency();
    std::int16_t integer();
    bool boolean();
    std::string text();
    NumOrText value();

    // True when no further field exists.
    bool atEnd();
    const std::string& fileName() const { return fileName_; }

private:
    struct Field {
        std::string text;
        bool quoted = false;
        // The line the field starts on, from 0.
        int line = 0;
        // Text after the closing quote, before the separator.
        bool trailing = false;
    };
    void parse(std::string_view content);
    void checkLayout(std::string_view content, const LineLayout& layout);
    const Field& next(const char* what);
    double number(const char* what);
    [[noreturn]] void fail(const std::string& what) const;

    std::vector<Field> fields_;
    std::size_t pos_ = 0;
    std::string fileName_;
    // Why the file is damaged, found before any field is read.
    std::string damage_;
};

}  // namespace qv
