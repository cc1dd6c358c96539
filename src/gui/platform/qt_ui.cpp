#include "gui/platform/qt_ui.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

#include "gui/text.h"

namespace qv::gui {

namespace {

// A message box without a title of its own carries the program's name.
QString titleOr(std::string_view title) {
    return title.empty() ? QApplication::applicationDisplayName() : shown(title);
}

}  // namespace

QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

QtUi::QtUi(std::function<bool(QWidget*)> choosePrinter) : choosePrinter_(std::move(choosePrinter)) {}

void QtUi::message(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::NoIcon, titleOr(title), shownMessage(text), QMessageBox::Ok, dialogParent());
    box.exec();
}

bool QtUi::askYesNo(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::Question, titleOr(title), shownMessage(text), QMessageBox::Yes | QMessageBox::No,
                    dialogParent());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::string QtUi::inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) {
    bool ok = false;
    const QString answer = QInputDialog::getText(dialogParent(), titleOr(title), shownMessage(prompt),
                                                 QLineEdit::Normal, shown(defaultText), &ok);
    // Cancel answers with an empty text, as the program expects.
    return ok ? typed(answer) : std::string();
}

QString QtUi::fileDialogFilter(std::string_view filter) {
    const QStringList parts = shown(filter).split(QChar('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = parts[i + 1];
        patterns.replace(QChar(';'), QChar(' '));
        patterns = patterns.simplified();
        if (!description.contains(QChar('('))) description += QStringLiteral(" (%1)").arg(patterns);
        filters << description;
    }
    if (filters.isEmpty() && !parts.isEmpty() && !parts[0].isEmpty()) filters << parts[0];
    return filters.join(QStringLiteral(";;"));
}

std::optional<std::filesystem::path> QtUi::openFile(std::string_view title, std::string_view filter,
                                                    const std::filesystem::path& folder) {
    const QString chosen = QFileDialog::getOpenFileName(dialogParent(), shown(title),
                                                        QString::fromStdString(folder.string()),
                                                        fileDialogFilter(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return std::filesystem::path(chosen.toStdString());
}

bool QtUi::choosePrinter() { return choosePrinter_ && choosePrinter_(dialogParent()); }

void QtUi::openDocument(const std::filesystem::path& path) {
    const QString file = QString::fromStdString(path.string());
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(file))) return;
    // Nothing on this desktop opens it: the user still needs to find it.
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(),
                    QStringLiteral("No program on this computer could open the file. It was saved as:\n%1").arg(file),
                    QMessageBox::Ok, dialogParent());
    box.exec();
}

}  // namespace qv::gui
