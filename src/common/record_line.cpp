#include "common/record_line.h"

#include <cmath>

#include "common/format.h"

namespace qv {

void RecordWriter::separate() {
    if (lineStarted_) out_.push_back(',');
    lineStarted_ = true;
}

RecordWriter& RecordWriter::num(float v) { separate(); out_ += fileNumber(v); return *this; }
RecordWriter& RecordWriter::num(double v) { separate(); out_ += fileNumber(v); return *this; }
RecordWriter& RecordWriter::num(Currency v) { separate(); out_ += fileNumber(v); return *this; }
RecordWriter& RecordWriter::integer(int v) { separate(); out_ += std::to_string(v); return *this; }
RecordWriter& RecordWriter::boolean(bool v) { separate(); out_ += v ? "#TRUE#" : "#FALSE#"; return *this; }

RecordWriter& RecordWriter::text(std::string_view v) {
    separate();
    out_.push_back('"');
    for (char c : v) {
        if (c == '"') c = '\'';
        // A line end inside a text would split the record; keep it one line.
        if (c == '\r' || c == '\n') c = ' ';
        out_.push_back(c);
    }
    out_.push_back('"');
    return *this;
}

RecordWriter& RecordWriter::value(const NumOrText& v) {
    if (v.isEmpty()) return empty();
    if (v.isText()) return text(v.text());
    if (v.isSingle()) return num(static_cast<float>(v.number()));
    return num(v.number());
}

RecordWriter& RecordWriter::empty() { separate(); return *this; }

RecordWriter& RecordWriter::endLine() {
    out_ += "\r\n";
    lineStarted_ = false;
    return *this;
}

LineLayout repeatLayout(const LineLayout& lines, int count) {
    LineLayout out;
    for (int k = 0; k < count; ++k) out.insert(out.end(), lines.begin(), lines.end());
    return out;
}

RecordReader::RecordReader(std::string_view content, std::string fileName) : fileName_(std::move(fileName)) {
    parse(content);
}

RecordReader::RecordReader(std::string_view content, std::string fileName, const LineLayout& layout)
    : fileName_(std::move(fileName)) {
    parse(content);
    checkLayout(content, layout);
}

void RecordReader::checkLayout(std::string_view content, const LineLayout& layout) {
    if (!content.empty() && content.back() != '\n') {
        damage_ = "the last line has no line end";
        return;
    }
    std::vector<int> counts(layout.size(), 0);
    for (const Field& f : fields_) {
        if (f.line < 0 || static_cast<std::size_t>(f.line) >= layout.size()) continue;
        if (f.trailing) {
            damage_ = "line " + std::to_string(f.line + 1) + " has a quote out of place";
            return;
        }
        ++counts[static_cast<std::size_t>(f.line)];
    }
    for (std::size_t l = 0; l < layout.size(); ++l) {
        if (counts[l] != layout[l]) {
            damage_ = "line " + std::to_string(l + 1) + " has " + std::to_string(counts[l]) + " fields, not " +
                      std::to_string(layout[l]);
            return;
        }
    }
}

void RecordReader::parse(std::string_view content) {
    std::size_t i = 0, n = content.size();
    int line = 0;
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    // Consumes one line end (CR LF, LF or CR) at i, if there is one.
    auto endOfLine = [&] {
        if (i < n && content[i] == '\r') ++i;
        if (i < n && content[i] == '\n') ++i;
        ++line;
    };
    while (i < n) {
        while (i < n && isBlank(content[i])) ++i;
        if (i >= n) break;
        Field f;
        f.line = line;
        if (content[i] == '"') {
            f.quoted = true;
            ++i;
            while (i < n && content[i] != '"') {
                // A line end inside quotes is a lost quote's doing; the fields
                // after it are counted on the lines they stand on.
                if (content[i] == '\n' || (content[i] == '\r' && (i + 1 >= n || content[i + 1] != '\n'))) ++line;
                f.text.push_back(content[i++]);
            }
            if (i < n) ++i;  // closing quote
            while (i < n && isBlank(content[i])) ++i;
            // Anything up to the separator after a closing quote is dropped.
            while (i < n && content[i] != ',' && content[i] != '\r' && content[i] != '\n') {
                f.trailing = true;
                ++i;
            }
        } else {
            while (i < n && content[i] != ',' && content[i] != '\r' && content[i] != '\n') f.text.push_back(content[i++]);
            while (!f.text.empty() && isBlank(f.text.back())) f.text.pop_back();
            // A quote inside a field that did not open with one was lost.
            if (f.text.find('"') != std::string::npos) f.trailing = true;
        }
        fields_.push_back(std::move(f));
        if (i >= n) break;
        if (content[i] == ',') {
            ++i;
            // A comma that ends the line ends an empty field: the writer puts
            // an empty value last on its line this way.
            if (i >= n || content[i] == '\r' || content[i] == '\n') {
                Field empty;
                empty.line = line;
                fields_.push_back(std::move(empty));
                if (i < n) endOfLine();
            }
        } else {
            endOfLine();
        }
    }
}

void RecordReader::fail(const std::string& what) const {
    throw RecordReadError(fileName_, fileName_ + ": " + what);
}

const RecordReader::Field& RecordReader::next(const char* what) {
    if (!damage_.empty()) fail(damage_);
    if (pos_ >= fields_.size())
        fail("the file ends before field " + std::to_string(pos_ + 1) + " (" + what + ")");
    return fields_[pos_++];
}

bool RecordReader::atEnd() { return pos_ >= fields_.size(); }

double RecordReader::number(const char* what) {
    const Field& f = next(what);
    const std::string& t = f.text;
    bool blank = t.find_first_not_of(" \t") == std::string::npos;
    if (blank) return 0.0;
    if (t == "#TRUE#") return -1.0;
    if (t == "#FALSE#") return 0.0;
    auto v = convertNumber(t);
    if (!v) fail("field " + std::to_string(pos_) + " is not a number: \"" + t + "\"");
    return *v;
}

float RecordReader::single() {
    auto v = singleOf(number("a number"));
    if (!v) fail("field " + std::to_string(pos_) + " is too large for an amount");
    return *v;
}

double RecordReader::dbl() { return number("a number"); }

Currency RecordReader::currency() {
    auto v = Currency::checkedFromDouble(number("a number"));
    if (!v) fail("field " + std::to_string(pos_) + " is too large for an amount");
    return *v;
}

std::int16_t RecordReader::integer() {
    double v = number("a whole number");
    double r = std::nearbyint(v);
    if (r < -32768.0 || r > 32767.0) fail("field " + std::to_string(pos_) + " is outside -32768 to 32767");
    return static_cast<std::int16_t>(r);
}

bool RecordReader::boolean() {
    const Field& f = next("#TRUE# or #FALSE#");
    if (f.text == "#TRUE#") return true;
    if (f.text == "#FALSE#" || f.text.empty()) return false;
    auto v = convertNumber(f.text);
    if (!v) fail("field " + std::to_string(pos_) + " is not #TRUE# or #FALSE#: \"" + f.text + "\"");
    return *v != 0.0;
}

std::string RecordReader::text() {
    const Field& f = next("a text");
    return f.text;
}

NumOrText RecordReader::value() {
    const Field& f = next("a value");
    if (f.quoted) return NumOrText(f.text);
    if (f.text.empty()) return NumOrText();
    if (f.text == "#TRUE#") return NumOrText(std::string("#TRUE#"));
    if (f.text == "#FALSE#") return NumOrText(std::string("#FALSE#"));
    if (auto v = convertNumber(f.text)) return NumOrText(*v);
    return NumOrText(f.text);
}

}  // namespace qv
