// The record-line reader on any bytes, in both of its forms, and the writer's
// texts read back as written.
#include <cstdint>
#include <string>

#include "common/record_line.h"
#include "fuzz_support.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first bytes choose a layout (up to 8 lines of up to 15 fields)
    // and the order of the typed reads.
    const int lines = data[0] % 9;
    LineLayout layout;
    for (int l = 0; l < lines; ++l) layout.push_back((data[1] >> (l % 8)) % 16);
    const std::string_view content = fuzz::asText(data + 2, size - 2);
    for (bool strict : {false, true}) {
        RecordReader in = strict ? RecordReader(content, "F", layout) : RecordReader(content, "F");
        try {
            for (std::size_t k = 0; !in.atEnd(); ++k) {
                switch ((data[0] + k) % 7) {
                    case 0: in.single(); break;
                    case 1: in.dbl(); break;
                    case 2: in.currency(); break;
                    case 3: in.integer(); break;
                    case 4: in.boolean(); break;
                    case 5: in.text(); break;
                    default: in.value(); break;
                }
            }
        } catch (const RecordReadError&) {
        }
    }

    // Whatever text is written comes back, quotes and line ends aside.
    RecordWriter w;
    w.text(content).num(1.5f).endLine();
    RecordReader back(w.str(), "F", {2});
    std::string expected(content);
    for (char& c : expected) {
        if (c == '"') c = '\'';
        if (c == '\r' || c == '\n') c = ' ';
    }
    try {
        if (back.text() != expected || back.single() != 1.5f) fuzz::broken();
    } catch (const RecordReadError&) {
        fuzz::broken();
    }
    return 0;
}
