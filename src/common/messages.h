// Every message text the program shows: its message boxes and questions, and
// the command line's error lines. Lines within a message box text are
// separated by CR LF.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// ---- Amounts and boxes -----------------------------------------------------

// A pay sheet box or label that is not a number.
inline constexpr std::string_view kNonNumeric = "You have entered a NON numerial.";
inline constexpr std::string_view kExemptionsOutOfRange =
    "The number of exemptions is not 0 to 9: no allowance was subtracted.";
// A year ledger cell that is not a number.
inline constexpr std::string_view kLedgerNonNumber = "CHECK YOUR ENTRY FOR NON NUMBER TYPE";
// A tax table that cannot be saved: a box that is no number, or a file that
// cannot be written.
inline constexpr std::string_view kCheckNumbersMessage = "Check your numbers\r\nNo blanks\r\nOnly numbers";
// The employee settings' boxes that must convert.
inline constexpr std::string_view kHourRate1NotNumber = "Hourly Rate 1 must be a number.";
inline constexpr std::string_view kHourRate2NotNumber = "Hourly Rate 2 must be a number.";
inline constexpr std::string_view kTipsRateNotNumber = "Tips Rate must be a number.";
inline constexpr std::string_view kFederalExemptionsRange = "Federal exemptions must be a whole number from 0 to 9.";
inline constexpr std::string_view kStateExemptionsRange =
    "State & City exemptions must be a whole number from 0 to 9.";
inline constexpr std::string_view kOvertimeReminder =
    "Please enter amounts in\r\nAnnual Salary and\r\nApproved Percent Boxes.";

// ---- Files -----------------------------------------------------------------

// An employee or table file that exists but cannot be read.
std::string corruptFileMessage(std::string_view fileName);
// A ledger file that could not be written; the old file is still in place.
std::string cannotWriteMessage(std::string_view fileName, std::string_view reason);
// An employee file that could not be saved; `error` may be empty.
std::string cannotSaveFileMessage(std::string_view fileName, std::string_view error);
// A damaged file moved aside before a save replaced it.
std::string damagedFileKeptMessage(std::string_view fileName, std::string_view keptAs);
inline constexpr std::string_view kFolderBusyMessage = "The working folder is in use by another Quorvane.";

// The federal table file.
inline constexpr std::string_view kFederalMissingMessage =
    "   Operation Failed ! ! !\r\n"
    "Save and Open, Only in Folder\r\n"
    "where Quorvane 2018 was installed\r\n"
    "Contact VORNAXEL SOFTWARE\r\n"
    "support@vornaxel.example";
std::string federalUnreadableMessage(std::string_view fileName);
std::string federalDamagedMessage(std::string_view fileName, std::string_view what);

// ---- Employees and pay periods ---------------------------------------------

inline constexpr std::string_view kSavePreviousUser = "........SAVE PREVIOUS USER?";
inline constexpr std::string_view kSaveUserSettings = "     SAVE USER'S SETTINGS?";
std::string notAnEmployeeNameMessage(std::string_view name, std::string_view problem);
std::string employeeExistsMessage(std::string_view name);
std::string notAnEmployeeFileMessage(std::string_view fileName);
std::string unusableSaveNameMessage(std::string_view name, std::string_view problem);
std::string payDateNotAFileNameMessage(std::string_view date, std::string_view problem);
std::string periodNotSavedMessage(std::string_view fileName, std::string_view error);

// ---- The year ledger -------------------------------------------------------

inline constexpr std::string_view kUseCloseInstead = "USE CLOSE INSTEAD";
inline constexpr std::string_view kSaveYtd = "     Do you want to save YTD";
inline constexpr std::string_view kNoSpreadsheet = "No spreadsheet program is available: the year was not exported.";
std::string exportFailedMessage(std::string_view workbookName, std::string_view what);

// ---- Printing ----------------------------------------------------------------

inline constexpr std::string_view kNoPrinterMessage = "No printer is available to print on.";
inline constexpr std::string_view kStubAmountTooLarge =
    "Nothing was printed: an amount worked out for the stub is too large.\r\n"
    "Check the hours and rates on the pay sheet and in the employee's settings.";
std::string headingNotSavedMessage(std::string_view fileName, std::string_view error);

// ---- Help ------------------------------------------------------------------

inline constexpr std::string_view kNoHelpViewer = "The help cannot be shown here: there is no help viewer.";
std::string helpFileMissingMessage(std::string_view fileName, std::string_view folder);

// ---- The desktop -------------------------------------------------------------

std::string commandFailedMessage(std::string_view what);

// ---- The command line's error lines (without the program's name) -------------

std::string noEmployeeMessage(std::string_view name, std::string_view folder, std::string_view fileName);
std::string employeeNotOpenedMessage(std::string_view name);
std::string folderMissingMessage(std::string_view folder);
std::string cannotWriteOutputMessage(std::string_view file, std::string_view error);
std::string notASavedPeriodMessage(std::string_view file);
inline constexpr std::string_view kNoDesktopPrinting =
    "this build has no desktop, so it cannot print to a PDF or a printer; print to a \".txt\" file instead.";

}  // namespace qv
