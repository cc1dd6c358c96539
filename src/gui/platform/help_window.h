// The program's help window: the HTML manual in a QTextBrowser beside its
// contents (the document's topics). Opens beside the pay sheet at the
// manual's first topic, or at its contents.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/help_viewer.h"

class QListWidget;
class QTextBrowser;

namespace qv::gui {

class HelpWindow : public QWidget {
public:
    HelpWindow();
    void open(const QString& file, platform::HelpTopic topic);

private:
    void fillContents();
    QListWidget* contents_;
    QTextBrowser* browser_;
    QString file_;
};

class QtHelpViewer : public platform::HelpViewer {
public:
    void showHelp(const std::filesystem::path& file, platform::HelpTopic topic) override;
    HelpWindow* window() const { return window_; }

private:
    QPointer<HelpWindow> window_;
};

}  // namespace qv::gui
