#include "paysheet/app.h"

#include "common/messages.h"

namespace qv {

App::App(platform::Ui& ui, platform::Clock& clock, std::filesystem::path folder)
    : ui_(ui), clock_(clock), folder_(std::move(folder)) {}

App::~App() = default;

std::filesystem::path App::userPath(std::string_view ext) const {
    return folder_ / (UserFile + std::string(ext));
}

bool App::saveFile(const std::filesystem::path& path, std::string_view content, std::string* error) {
    std::filesystem::path keptAs;
    if (!damaged_.moveAside(path, &keptAs, error)) return false;
    if (!keptAs.empty())
        ui_.message(damagedFileKeptMessage(path.filename().string(), keptAs.filename().string()));
    return replaceFile(path, content, error);
}

}  // namespace qv
