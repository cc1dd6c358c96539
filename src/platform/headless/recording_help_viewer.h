// A help viewer that only records what it was asked to show. Used by the
// tests and the command line.
#pragma once

#include <filesystem>
#include <vector>

#include "platform/help_viewer.h"

namespace qv::platform {

class RecordingHelpViewer : public HelpViewer {
public:
    struct Request {
        std::filesystem::path file;
        HelpTopic topic;
    };
    void showHelp(const std::filesystem::path& file, HelpTopic topic) override { requests_.push_back({file, topic}); }
    const std::vector<Request>& requests() const { return requests_; }

private:
    std::vector<Request> requests_;
};

}  // namespace qv::platform
