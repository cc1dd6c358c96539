// The message texts of the ledger's file routines.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// An employee file that exists but cannot be read.
inline std::string corruptFileMessage(std::string_view fileName) {
    return "You have corupted a file.\r\nFind file,\r\n" + std::string(fileName) + "\r\nand delete it.";
}

// A file that could not be written; the old file is still in place.
inline std::string cannotWriteMessage(std::string_view fileName, std::string_view reason) {
    std::string text = "The file " + std::string(fileName) + " could not be written";
    if (!reason.empty()) text += ": " + std::string(reason);
    return text + ". The previous file was kept.";
}

}  // namespace qv
