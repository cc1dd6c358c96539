// A Ui that answers from a script and records everything it was shown. Used by
// tests and by the command line. When the script has no answer left it gives
// the cautious one: No, an empty input, cancel.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace qv::platform {

class ScriptedUi : public Ui {
public:
    enum class Kind { Message, Question, Input, OpenFile, Printer, OpenDocument };
    struct Shown {
        Kind kind;
        std::string text;
        std::string title;
    };

    // Script the next answers, consumed in order per kind.
    ScriptedUi& answerYes() { yesNo_.push_back(true); return *this; }
    ScriptedUi& answerNo() { yesNo_.push_back(false); return *this; }
    ScriptedUi& answerInput(std::string text) { inputs_.push_back(std::move(text)); return *this; }
    ScriptedUi& answerFile(std::optional<std::filesystem::path> p) { files_.push_back(std::move(p)); return *this; }
    ScriptedUi& answerPrinter(bool ok) { printers_.push_back(ok); return *this; }
    // Answer every printer choice with OK unless scripted otherwise.
    void setPrinterDefault(bool ok) { printerDefault_ = ok; }

    void message(std::string_view text, std::string_view title = {}) override;
    bool askYesNo(std::string_view text, std::string_view title = {}) override;
    std::string inputBox(std::string_view prompt, std::string_view title = {},
                         std::string_view defaultText = {}) override;
    std::optional<std::filesystem::path> openFile(std::string_view title, std::string_view filter,
                                                  const std::filesystem::path& folder) override;
    bool choosePrinter() override;
    void openDocument(const std::filesystem::path& path) override;

    const std::vector<Shown>& shown() const { return shown_; }
    // The texts of the message boxes shown, in order.
    std::vector<std::string> messages() const;
    // The texts of the questions asked, in order.
    std::vector<std::string> questions() const;
    const std::vector<std::filesystem::path>& openedDocuments() const { return documents_; }
    void clearShown() { shown_.clear(); }

private:
    std::deque<bool> yesNo_;
    std::deque<std::string> inputs_;
    std::deque<std::optional<std::filesystem::path>> files_;
    std::deque<bool> printers_;
    bool printerDefault_ = true;
    std::vector<Shown> shown_;
    std::vector<std::filesystem::path> documents_;
};

// A clock that always answers the same day.
class FixedClock : public Clock {
public:
    explicit FixedClock(Date d) : date_(d) {}
    Date today() const override { return date_; }
    void set(Date d) { date_ = d; }

private:
    Date date_;
};

}  // namespace qv::platform
