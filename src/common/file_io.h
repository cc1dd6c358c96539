// Whole-file reads, the existence test and atomic replacement.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// A file exists when it can be opened for reading; any failure counts as absent.
bool fileExists(const std::filesystem::path& path);

// The whole content, or nothing when the file cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Writes a temporary file beside `path`, flushes and syncs it, renames it over
// `path` and syncs the folder. On failure the old file is untouched, the
// temporary file is removed, false is returned and `error` says why.
bool replaceFile(const std::filesystem::path& path, std::string_view content, std::string* error = nullptr);

// An employee base name or a name part of a file: refuses path separators,
// "..", control characters and characters a file name cannot hold.
// Returns the reason, or an empty string when the name is acceptable.
std::string fileNameProblem(std::string_view name);

}  // namespace qv
