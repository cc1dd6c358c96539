#include "gui/platform/help_window.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QUrl>

#include "gui/platform/qt_ui.h"

namespace qv::gui {

namespace {
// The manual's first topic, where "He&lp" opens it.
const QString kDefaultTopic = QStringLiteral("default");
const QString kContents = QStringLiteral("contents");
}  // namespace

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Quorvane Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QHBoxLayout(this);
    auto* splitter = new QSplitter;
    contents_ = new QListWidget;
    contents_->setObjectName(QStringLiteral("helpContents"));
    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter);
    QObject::connect(contents_, &QListWidget::currentItemChanged, browser_, [this](QListWidgetItem* item) {
        if (item) browser_->scrollToAnchor(item->data(Qt::UserRole).toString());
    });
    const int line = fontMetrics().height();
    resize(line * 50, line * 36);
}

void HelpWindow::open(const QString& file, platform::HelpTopic topic) {
    if (file != file_) {
        file_ = file;
        browser_->setSource(QUrl::fromLocalFile(file));
        fillContents();
    }
    const QString anchor = topic == platform::HelpTopic::Contents ? kContents : kDefaultTopic;
    for (int i = 0; i < contents_->count(); ++i)
        if (contents_->item(i)->data(Qt::UserRole).toString() == anchor) contents_->setCurrentRow(i);
    browser_->scrollToAnchor(anchor);
    show();
    raise();
    activateWindow();
}

// The topics are the document's headings of the second level that carry an
// id: <h2 id="ledger">The year-to-date ledger</h2>.
void HelpWindow::fillContents() {
    contents_->clear();
    QFile f(file_);
    if (!f.open(QIODevice::ReadOnly)) return;
    const QString html = QString::fromUtf8(f.readAll());
    static const QRegularExpression heading(QStringLiteral("<h2[^>]*id=\"([^\"]+)\"[^>]*>(.*?)</h2>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    for (auto it = heading.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString title = m.captured(2);
        title.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        auto* item = new QListWidgetItem(QTextDocumentFragment::fromHtml(title).toPlainText().simplified());
        item->setData(Qt::UserRole, m.captured(1));
        contents_->addItem(item);
    }
    contents_->setFixedWidth(contents_->sizeHintForColumn(0) + fontMetrics().height() * 2);
}

void QtHelpViewer::showHelp(const std::filesystem::path& file, platform::HelpTopic topic) {
    if (!window_) window_ = new HelpWindow;
    window_->open(QString::fromStdString(file.string()), topic);
}

}  // namespace qv::gui
