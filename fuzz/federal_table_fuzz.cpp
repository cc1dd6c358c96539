// The federal table file's reader on any bytes.
#include <cstdint>

#include "common/record_line.h"
#include "federal/federal_tables.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        (void)qv::parseFederalTables(qv::fuzz::asText(data, size));
    } catch (const qv::RecordReadError&) {
    }
    return 0;
}
