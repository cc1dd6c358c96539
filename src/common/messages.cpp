#include "common/messages.h"

namespace qv {

namespace {

// Joins the pieces of a message.
template <class... Parts>
std::string join(const Parts&... parts) {
    std::string text;
    (text.append(std::string_view(parts)), ...);
    return text;
}

}  // namespace

std::string corruptFileMessage(std::string_view fileName) {
    return join("You have corupted a file.\r\nFind file,\r\n", fileName, "\r\nand delete it.");
}

std::string cannotWriteMessage(std::string_view fileName, std::string_view reason) {
    std::string text = join("The file ", fileName, " could not be written");
    if (!reason.empty()) text += join(": ", reason);
    return text + ". The previous file was kept.";
}

std::string cannotSaveFileMessage(std::string_view fileName, std::string_view error) {
    std::string text = join("Could not save the file ", fileName, ".");
    if (!error.empty()) text += join("\r\n", error);
    return text;
}

std::string damagedFileKeptMessage(std::string_view fileName, std::string_view keptAs) {
    return join("The damaged file \"", fileName, "\" was kept as \"", keptAs, "\".");
}

std::string federalUnreadableMessage(std::string_view fileName) {
    return join("The federal table file \"", fileName,
                "\" could not be read.\r\nThe federal tables were not changed.");
}

std::string federalDamagedMessage(std::string_view fileName, std::string_view what) {
    return join("The federal table file \"", fileName, "\" is damaged and was not loaded:\r\n", what,
                "\r\nThe federal tables were not changed.");
}

std::string notAnEmployeeNameMessage(std::string_view name, std::string_view problem) {
    return join("\"", name, "\" cannot be an employee's name. ", problem);
}

std::string employeeExistsMessage(std::string_view name) { return join("........", name, " already exists. Use Open"); }

std::string notAnEmployeeFileMessage(std::string_view fileName) {
    return join("\"", fileName, "\" is not an employee's file (*.use).");
}

std::string unusableSaveNameMessage(std::string_view name, std::string_view problem) {
    return join("The name \"", name, "\" cannot be used for the employee's files: ", problem);
}

std::string payDateNotAFileNameMessage(std::string_view date, std::string_view problem) {
    return join("The pay date \"", date, "\" cannot be part of a file name. ", problem,
                "\r\nThe pay period was not saved.");
}

std::string periodNotSavedMessage(std::string_view fileName, std::string_view error) {
    return join("The pay period could not be saved in \"", fileName, "\": ", error);
}

std::string exportFailedMessage(std::string_view workbookName, std::string_view what) {
    return join("The year could not be exported to \"", workbookName, "\": ", what);
}

std::string headingNotSavedMessage(std::string_view fileName, std::string_view error) {
    return join("The heading could not be saved to \"", fileName, "\": ", error);
}

std::string helpFileMissingMessage(std::string_view fileName, std::string_view folder) {
    return join("The help file ", fileName, " was not found in the working folder ", folder,
                " nor among the installed files.");
}

std::string commandFailedMessage(std::string_view what) { return join("The command could not be completed: ", what); }

std::string noEmployeeMessage(std::string_view name, std::string_view folder, std::string_view fileName) {
    return join("no employee \"", name, "\" in ", folder, " (", fileName, " not found).");
}

std::string employeeNotOpenedMessage(std::string_view name) {
    return join("the employee \"", name, "\" could not be opened.");
}

std::string folderMissingMessage(std::string_view folder) {
    return join("the folder \"", folder, "\" does not exist.");
}

std::string cannotWriteOutputMessage(std::string_view file, std::string_view error) {
    return join("cannot write \"", file, "\": ", error);
}

std::string notASavedPeriodMessage(std::string_view file) {
    return join("\"", file, "\" cannot be read as a saved pay period.");
}

}  // namespace qv
