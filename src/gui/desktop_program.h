// Everything the desktop program is made of, in the order it is made: the
// Qt answers to the core (dialogs, the chosen printer, the workbook writer,
// the help window), the one App on a working folder, and the desktop with
// every view. quorvane's main() and the screenshot tool both make one.
#pragma once

#include <filesystem>

#include "gui/desktop.h"
#include "gui/platform/chosen_printer.h"
#include "gui/platform/help_window.h"
#include "gui/platform/qt_ui.h"
#include "gui/platform/xlsx_spreadsheet.h"
#include "paysheet/app.h"

namespace qv::gui {

struct DesktopProgram {
    explicit DesktopProgram(const std::filesystem::path& folder);

    ChosenPrinter printer;
    QtUi ui;
    platform::SystemClock clock;
    platform::XlsxSpreadsheet spreadsheet;
    QtHelpViewer help;
    App app;
    Desktop desktop;
};

}  // namespace qv::gui
