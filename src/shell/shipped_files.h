// The files that ship with the program (the federal tables, the help, the
// pictures) and the first start of a working folder.
#pragma once

#include <filesystem>
#include <string>

namespace qv {

// The folder of shipped files: $QUORVANE_DATA when it is set; else
// <folder of this executable>/../share/quorvane when it holds the federal
// tables (an installed program); else the source tree's data/ (a build run
// from its build folder).
std::filesystem::path shippedFolder();

// The working folder a user works in when none is named: $QUORVANE_FOLDER
// when it is set, else ~/Quorvane. Empty when neither that variable nor HOME
// is set.
std::filesystem::path defaultWorkingFolder();

// Makes `folder` ready for a first start: creates it (owner only, 0700) when
// it is missing and copies the shipped federal tables from `shipped` into it
// when it has none. A file of that name the user already has, even an
// unreadable one, is never replaced. Returns false, with the reason in
// `error`, when the folder cannot be created or the tables cannot be copied.
bool prepareWorkingFolder(const std::filesystem::path& folder, const std::filesystem::path& shipped,
                          std::string* error = nullptr);

}  // namespace qv
