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

// Reads fields in the fixed order of a format; commas and line ends alike
// separate fields. Every read throws RecordReadError naming the file when the
// field is missing or of the wrong type.
class RecordReader {
public:
    RecordReader(std::string_view content, std::string fileName);

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
    };
    const Field& next(const char* what);
    double number(const char* what);
    [[noreturn]] void fail(const std::string& what) const;

    std::vector<Field> fields_;
    std::size_t pos_ = 0;
    std::string fileName_;
};

}  // namespace qv
