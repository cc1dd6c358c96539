#include "platform/headless/scripted_ui.h"

namespace qv::platform {

void ScriptedUi::message(std::string_view text, std::string_view title) {
    shown_.push_back({Kind::Message, std::string(text), std::string(title)});
}

bool ScriptedUi::askYesNo(std::string_view text, std::string_view title) {
    shown_.push_back({Kind::Question, std::string(text), std::string(title)});
    if (yesNo_.empty()) return false;
    bool a = yesNo_.front();
    yesNo_.pop_front();
    return a;
}

std::string ScriptedUi::inputBox(std::string_view prompt, std::string_view title, std::string_view) {
    shown_.push_back({Kind::Input, std::string(prompt), std::string(title)});
    if (inputs_.empty()) return {};
    std::string a = inputs_.front();
    inputs_.pop_front();
    return a;
}

std::optional<std::filesystem::path> ScriptedUi::openFile(std::string_view title, std::string_view filter,
                                                          const std::filesystem::path&) {
    shown_.push_back({Kind::OpenFile, std::string(filter), std::string(title)});
    if (files_.empty()) return std::nullopt;
    auto a = files_.front();
    files_.pop_front();
    return a;
}

bool ScriptedUi::choosePrinter() {
    shown_.push_back({Kind::Printer, {}, {}});
    if (printers_.empty()) return printerDefault_;
    bool a = printers_.front();
    printers_.pop_front();
    return a;
}

void ScriptedUi::openDocument(const std::filesystem::path& path) {
    shown_.push_back({Kind::OpenDocument, path.string(), {}});
    documents_.push_back(path);
}

std::vector<std::string> ScriptedUi::messages() const {
    std::vector<std::string> out;
    for (const auto& s : shown_)
        if (s.kind == Kind::Message) out.push_back(s.text);
    return out;
}

std::vector<std::string> ScriptedUi::questions() const {
    std::vector<std::string> out;
    for (const auto& s : shown_)
        if (s.kind == Kind::Question) out.push_back(s.text);
    return out;
}

}  // namespace qv::platform
