// Reading back what a test printed to a PDF: its text as pdftotext lays it
// out, its document information and its page count.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace qv::testing {

// What a shell command writes to its standard output.
inline std::string commandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
    pclose(pipe);
    return out;
}

inline std::string pdfText(const std::filesystem::path& pdf) {
    return commandOutput("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
}

inline std::string pdfInfo(const std::filesystem::path& pdf) {
    return commandOutput("pdfinfo '" + pdf.string() + "' 2>/dev/null");
}

// -1 when the file is no readable PDF.
inline int pdfPages(const std::filesystem::path& pdf) {
    const std::string info = pdfInfo(pdf);
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

}  // namespace qv::testing
