// Sessions through the real widgets, keyboard and mouse, on the offscreen
// platform: the amount boxes' keys, the pay date picker, Escape, Cancel in
// the Qt dialogs, and a whole calculation that must equal the core's.
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <filesystem>
#include <set>
#include <functional>

#include "gui/platform/qt_ui.h"
#include "paysheet/form1.h"
#include "employee/frm_save_user.h"
#include "shell/frm_about_spcl.h"
#include "shell/frm_date_main.h"
#include "view_session.h"

using qv::testing::ViewSession;

namespace {

// Answers the modal dialogs of a session in order: each step acts on the
// dialog it is written for and is then done.
class DialogAnswers : public QObject {
public:
    using Step = std::function<bool(QWidget* modal)>;
    explicit DialogAnswers(std::deque<Step> steps) : steps_(std::move(steps)) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && !steps_.empty() && steps_.front()(modal)) steps_.pop_front();
        });
        timer->start(20);
    }
    bool allAnswered() const { return steps_.empty(); }

private:
    std::deque<Step> steps_;
};

DialogAnswers::Step pressInMessageBox(QMessageBox::StandardButton which) {
    return [which](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return false;
        box->button(which)->click();
        return true;
    };
}

template <class Dialog>
DialogAnswers::Step cancel() {
    return [](QWidget* modal) {
        auto* d = qobject_cast<Dialog*>(modal);
        if (!d) return false;
        d->reject();
        return true;
    };
}

DialogAnswers::Step clickIn(const char* window, const char* button) {
    return [window, button](QWidget* modal) {
        if (modal->objectName() != QLatin1String(window)) return false;
        modal->findChild<QPushButton*>(QLatin1String(button))->click();
        return true;
    };
}

QLineEdit* amountBox(QWidget* sheet, int i) {
    return sheet->findChild<QLineEdit*>(QStringLiteral("txtAmount_%1").arg(i));
}

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void amountBoxesFollowTheKeyboard();
    void payDatePickerWritesEveryChange();
    void escapeClosesADialogAsItsCancel();
    void cancelInTheDialogsChangesNothing();
    void calculationThroughTheWindowEqualsTheCore();
};

void SessionTest::amountBoxesFollowTheKeyboard() {
    ViewSession s;
    QWidget* sheet = s.sheetWindow();
    QApplication::setActiveWindow(sheet);
    QVERIFY(QTest::qWaitForWindowActive(sheet));
    QLineEdit* first = amountBox(sheet, 0);
    QTRY_VERIFY(first->hasFocus());

    // Only "0123456789 -." and backspace reach a box.
    QTest::keyClicks(first, QStringLiteral("4x0,$"));
    QCOMPARE(first->text(), QStringLiteral("40"));
    QTest::keyClick(first, Qt::Key_Backspace);
    QCOMPARE(s.sheet().txtAmount[0], std::string("4"));

    // Enter moves down and selects the next box's text; Up and Down move.
    amountBox(sheet, 1)->setText(QStringLiteral("8"));
    QTest::keyClick(first, Qt::Key_Return);
    QTRY_VERIFY(amountBox(sheet, 1)->hasFocus());
    QCOMPARE(amountBox(sheet, 1)->selectedText(), QStringLiteral("8"));
    QCOMPARE(first->text(), QStringLiteral("4"));  // Enter types nothing
    QTest::keyClick(amountBox(sheet, 1), Qt::Key_Down);
    QTRY_VERIFY(amountBox(sheet, 2)->hasFocus());
    QTest::keyClick(amountBox(sheet, 2), Qt::Key_Up);
    QTest::keyClick(amountBox(sheet, 1), Qt::Key_Up);
    QTRY_VERIFY(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Up);  // the top box stays
    QVERIFY(first->hasFocus());

    // Enter in the last box goes back to the first.
    amountBox(sheet, 7)->setFocus();
    QTRY_VERIFY(amountBox(sheet, 7)->hasFocus());
    QTest::keyClick(amountBox(sheet, 7), Qt::Key_Enter);
    QTRY_VERIFY(first->hasFocus());
    QCOMPARE(first->selectedText(), QStringLiteral("4"));

    // Tab goes down the boxes in order.
    QTest::keyClick(first, Qt::Key_Tab);
    QTRY_VERIFY(amountBox(sheet, 1)->hasFocus());
}

void SessionTest::payDatePickerWritesEveryChange() {
    ViewSession s;
    QWidget* sheet = s.sheetWindow();
    auto* week = sheet->findChild<QLineEdit*>(QStringLiteral("txtWeek"));
    s.sheet().txtWeek = "6/29/2018";
    s.desktop().refresh();
    QTest::mouseClick(week, Qt::LeftButton);
    QWidget* picker = s.windowOf(s.app().frmDateMain());
    QVERIFY(picker && picker->isVisible());
    QCOMPARE(picker->windowModality(), Qt::ApplicationModal);
    auto* calendar = picker->findChild<QCalendarWidget*>(QStringLiteral("DTPicker1"));
    QCOMPARE(calendar->selectedDate(), QDate(2018, 6, 29));
    QCOMPARE(calendar->minimumDate(), QDate(2017, 12, 1));
    QCOMPARE(calendar->maximumDate(), QDate(2019, 1, 31));

    calendar->setSelectedDate(QDate(2018, 7, 13));
    QCOMPARE(week->text(), QStringLiteral("7/13/2018"));
    QCOMPARE(s.sheet().txtWeek, std::string("7/13/2018"));

    // Closed by its frame, the picker keeps what it wrote.
    picker->close();
    QTRY_VERIFY(!picker->isVisible());
    QVERIFY(!s.app().frmDateMain().loaded);
    QCOMPARE(week->text(), QStringLiteral("7/13/2018"));
}

void SessionTest::escapeClosesADialogAsItsCancel() {
    ViewSession s;
    s.desktop().run(nullptr, [&s] { s.sheet().mnuAbout_Click(); });
    QWidget* about = s.windowOf(s.app().frmAboutSpcl());
    QVERIFY(about && about->isVisible());
    QTest::keyClick(about, Qt::Key_Escape);
    QVERIFY(!about->isVisible());
    QVERIFY(!s.app().frmAboutSpcl().loaded);

    // The save prompt's Escape is its "&No": nothing saved.
    QTimer::singleShot(0, [&s] {
        QWidget* prompt = s.windowOf(s.app().frmSaveUser());
        QTest::keyClick(prompt->findChild<QLineEdit*>(QStringLiteral("txtSaveUser")), Qt::Key_Escape);
    });
    s.desktop().run(nullptr, [&s] { s.sheet().mnuSave_Click(); });
    QVERIFY(!s.windowOf(s.app().frmSaveUser())->isVisible());
    QVERIFY(!std::filesystem::exists(s.folder() / "TYPE NAME.use"));
}

void SessionTest::cancelInTheDialogsChangesNothing() {
    qv::gui::QtUi qtUi([](QWidget*) { return false; });
    ViewSession s(&qtUi);
    s.sheet().txtAmount[0] = "40";
    s.desktop().run(nullptr, [&s] { s.sheet().cmdCal_Click(); });
    s.desktop().refresh();
    const std::string net = s.sheet().lbNet;
    const std::string user = s.app().UserFile;
    auto files = [&s] {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(s.folder()))
            names.insert(e.path().filename().string() + ":" + std::to_string(e.file_size()));
        return names;
    };
    const auto before = files();
    QWidget* sheet = s.sheetWindow();

    // File New: "No" to saving, then Cancel in the input box.
    {
        DialogAnswers answers({pressInMessageBox(QMessageBox::No), cancel<QInputDialog>()});
        sheet->findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
        QVERIFY(answers.allAnswered());
    }
    // File Open: "&No" in the save prompt, then Cancel in the file dialog.
    {
        DialogAnswers answers({clickIn("frmSaveUser", "cmdEnd"), cancel<QFileDialog>()});
        sheet->findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
        QVERIFY(answers.allAnswered());
    }
    QCOMPARE(s.app().UserFile, user);
    QCOMPARE(s.sheet().lbNet, net);
    QCOMPARE(amountBox(sheet, 0)->text(), QStringLiteral("40"));
    QCOMPARE(files(), before);
}

void SessionTest::calculationThroughTheWindowEqualsTheCore() {
    // Through the windows: File New "Smith", hours typed with Enter, ADD.
    ViewSession s;
    QWidget* sheet = s.sheetWindow();
    QApplication::setActiveWindow(sheet);
    QVERIFY(QTest::qWaitForWindowActive(sheet));
    s.ui().answerNo().answerInput("Smith");
    sheet->findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
    QCOMPARE(sheet->windowTitle(), QStringLiteral("Smith"));
    QTRY_VERIFY(amountBox(sheet, 0)->hasFocus());
    const QStringList typed{QStringLiteral("40"), QStringLiteral("4"), QStringLiteral("2.5"), QStringLiteral("6"),
                            QStringLiteral("8"),  QStringLiteral(""),  QStringLiteral("75"),  QStringLiteral("3")};
    for (const QString& hours : typed) {
        QTest::keyClicks(QApplication::focusWidget(), hours);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QTest::mouseClick(sheet->findChild<QPushButton*>(QStringLiteral("cmdCal")), Qt::LeftButton);

    // The same session on the core alone.
    ViewSession core;
    core.ui().answerNo().answerInput("Smith");
    core.sheet().mnuNew_Click();
    for (int i = 0; i < 8; ++i) core.sheet().txtAmount[i] = typed[i].toStdString();
    core.sheet().cmdCal_Click();

    for (const qv::Control& c : qv::Form1::controls()) {
        if (!c.text || c.windowTitle) continue;
        for (int i = 0; i < (c.isArray() ? c.count : 1); ++i) {
            const QString name = QString::fromStdString(c.objectName(i));
            auto* label = sheet->findChild<QLabel*>(name);
            if (!label) continue;
            QCOMPARE(label->text(), QString::fromStdString(*c.text(core.sheet(), i)));
        }
    }
    QVERIFY(!s.sheet().lbNet.empty());
}

QTEST_MAIN(SessionTest)
#include "session_test.moc"
