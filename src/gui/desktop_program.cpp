#include "gui/desktop_program.h"

#include "shell/shipped_files.h"
#include "gui/views/views.h"

namespace qv::gui {

DesktopProgram::DesktopProgram(const std::filesystem::path& folder)
    : ui([this](QWidget* parent) { return printer.choose(parent); }),
      spreadsheet(ui),
      app(ui, clock, folder),
      desktop(app) {
    app.printer = &printer;
    app.spreadsheet = &spreadsheet;
    app.helpViewer = &help;
    app.dataFolder = qv::shippedFolder();
    addAllViews(desktop);
}

}  // namespace qv::gui
