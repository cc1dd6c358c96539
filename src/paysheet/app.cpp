#include "paysheet/app.h"

namespace qv {

App::App(platform::Ui& ui, platform::Clock& clock, std::filesystem::path folder)
    : ui_(ui), clock_(clock), folder_(std::move(folder)) {}

App::~App() = default;

std::filesystem::path App::userPath(std::string_view ext) const {
    return folder_ / (UserFile + std::string(ext));
}

}  // namespace qv
