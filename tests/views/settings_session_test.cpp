// A user's session through the real windows with the keyboard and the mouse,
// beside the same session run on the forms alone with the scripted answers:
// after every ADD the pay sheet shows exactly what the core computed.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

#include "employee/frm_tax_info.h"
#include "state/dialog_state.h"
#include "view_session.h"

using qv::Control;
using qv::Form1;
using qv::testing::ViewSession;

namespace {

constexpr const char* kEmployee = "Pat Sample";

// Every text of a form's table (labels, boxes, captions, title), named.
template <class F>
std::vector<std::pair<std::string, std::string>> textsOf(F& form) {
    std::vector<std::pair<std::string, std::string>> texts;
    for (const Control& c : F::controls()) {
        if (!c.text) continue;
        const int n = c.isArray() ? c.count : 1;
        for (int i = 0; i < n; ++i)
            if (c.hasIndex(i)) texts.emplace_back(c.objectName(i), *c.text(form, i));
    }
    return texts;
}

// A window of the session and the same form of the core, text by text.
template <class F>
void compareTexts(F& shownForm, F& computedForm) {
    const auto shown = textsOf(shownForm);
    const auto computed = textsOf(computedForm);
    QCOMPARE(shown.size(), computed.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QCOMPARE(QString::fromStdString(shown[i].first), QString::fromStdString(computed[i].first));
        if (shown[i].second != computed[i].second)
            QFAIL(qPrintable(QStringLiteral("%1: shown \"%2\", computed \"%3\"")
                                 .arg(QString::fromStdString(shown[i].first), QString::fromStdString(shown[i].second),
                                      QString::fromStdString(computed[i].second))));
    }
}

void compareSheets(ViewSession& windows, ViewSession& core) { compareTexts(windows.sheet(), core.sheet()); }

template <class W = QWidget>
W* child(QWidget* window, const char* name) {
    W* w = window ? window->findChild<W*>(QString::fromLatin1(name)) : nullptr;
    if (!w) qWarning("no widget %s", name);
    return w;
}

// A click into a box, Ctrl+A and typing that replaces its text.
void typeInto(QWidget* box, const QString& text) {
    // The user's click lands in a window that is then the active one.
    QWidget* window = box->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QTest::mouseClick(box, Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void chooseFromMenu(ViewSession& s, const char* entry) {
    auto* action = s.sheetWindow()->findChild<QAction*>(QString::fromLatin1(entry));
    QVERIFY2(action, entry);
    action->trigger();
}

// File New with the employee's name, then the period's hours: 40 regular,
// Enter three times down to the overtime box, 5 hours.
void newEmployeeWithHours(ViewSession& s) {
    s.ui().answerNo().answerInput(kEmployee);
    QWidget* sheet = s.sheetWindow();
    sheet->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(sheet));
    chooseFromMenu(s, "mnuNew");
    QCOMPARE(s.app().UserFile, std::string(kEmployee));

    typeInto(child(sheet, "txtAmount_0"), QStringLiteral("40"));
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), child(sheet, "txtAmount_3"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
}

void sameOnTheCore(ViewSession& core) {
    core.ui().answerNo().answerInput(kEmployee);
    core.sheet().mnuNew_Click();
    core.sheet().txtAmount[0] = "40";
    core.sheet().txtAmount[3] = "5";
}

void add(ViewSession& s) { QTest::mouseClick(child(s.sheetWindow(), "cmdCal"), Qt::LeftButton); }

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void wholeSessionShowsWhatTheCoreComputes();
    void stateDialogOpenDuringAddIsUsedOnceAndClosed();
};

void SessionTest::wholeSessionShowsWhatTheCoreComputes() {
    ViewSession s;
    ViewSession core;
    newEmployeeWithHours(s);
    sameOnTheCore(core);
    add(s);
    core.sheet().cmdCal_Click();
    QVERIFY(!s.sheet().lbNet.empty());
    compareSheets(s, core);

    // The profile: married with two exemptions, $18.50 an hour, $25 to the
    // credit union; Save.
    chooseFromMenu(s, "mnuUserInfo");
    QWidget* profile = s.windowOf(s.app().frmTaxInfo());
    QVERIFY(profile && profile->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), profile);
    typeInto(child(profile, "cboStatus"), QStringLiteral("Married"));
    typeInto(child(profile, "cboDepend"), QStringLiteral("2"));
    typeInto(child(profile, "txtHourRate"), QStringLiteral("18.50"));
    typeInto(child(profile, "txtMuni"), QStringLiteral("25"));
    QTest::mouseClick(child(profile, "cmdOk"), Qt::LeftButton);
    QVERIFY(!profile->isVisible());

    qv::FrmTaxInfo& screen = core.app().frmTaxInfo();
    screen.open();
    screen.cboStatus = "Married";
    screen.cboDepend = "2";
    screen.txtHourRate = "18.50";
    screen.txtMuni = "25";
    screen.cmdOk_Click();
    QCOMPARE(s.app().profile.FedStatus, std::string("Married"));
    add(s);
    core.sheet().cmdCal_Click();
    compareSheets(s, core);

    // The state dialog: Oregon pressed with the mouse, SAVE.
    chooseFromMenu(s, "mnuState");
    QWidget* state = s.windowOf(s.app().dialogState());
    QVERIFY(state && state->isVisible());
    QTest::mouseClick(child(state, "ckOregon"), Qt::LeftButton);
    QVERIFY(child<QCheckBox>(state, "ckOregon")->isChecked());

    qv::DialogState& dialog = core.app().dialogState();
    dialog.ShowFromMenu();
    dialog.pressMethodBox(qv::DialogState::MethodBox::Oregon);
    // The press already wrote Oregon's tables and captions into the boxes.
    compareTexts(s.app().dialogState(), dialog);
    QTest::mouseClick(child(state, "OKButton"), Qt::LeftButton);
    QVERIFY(!state->isVisible());
    dialog.OKButton_Click();
    QCOMPARE(s.app().state.UseOregon, 1);
    add(s);
    core.sheet().cmdCal_Click();
    compareSheets(s, core);
    QVERIFY(s.ui().messages().empty());
}

void SessionTest::stateDialogOpenDuringAddIsUsedOnceAndClosed() {
    ViewSession s;
    ViewSession core;
    newEmployeeWithHours(s);
    sameOnTheCore(core);

    chooseFromMenu(s, "mnuState");
    QWidget* state = s.windowOf(s.app().dialogState());
    QVERIFY(state && state->isVisible());
    typeInto(child(state, "txtStateAdj"), QStringLiteral("5"));
    add(s);
    QVERIFY(!state->isVisible());
    QVERIFY(!s.app().dialogState().loaded);

    qv::DialogState& dialog = core.app().dialogState();
    dialog.ShowFromMenu();
    dialog.txtStateAdj = "5";
    core.sheet().cmdCal_Click();
    compareSheets(s, core);

    // The next ADD opens the settings from the employee's files again.
    add(s);
    core.sheet().cmdCal_Click();
    compareSheets(s, core);
}

QTEST_MAIN(SessionTest)
#include "settings_session_test.moc"
