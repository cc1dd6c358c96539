// The windows over their forms, on the offscreen platform: every control of
// each form's table is on its window with its name, caption and tip, the
// binding carries values both ways, and a modal window holds the pay sheet.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <span>

#include "employee/frm_save_user.h"
#include "employee/frm_tax_info.h"
#include "leave/dialog_vac.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "printing/print_heading.h"
#include "shell/frm_about_spcl.h"
#include "shell/frm_date_main.h"
#include "state/dialog_state.h"
#include "gui/text.h"
#include "paysheet/controls.h"
#include "view_session.h"

using qv::Control;
using qv::Form;
using qv::testing::ViewSession;

namespace {

// A window the pay sheet opens with one of its commands.
template <void (qv::Form1::*Command)(), auto FormOf>
Form& fromSheet(ViewSession& s) {
    return s.openFromSheet(Command, (s.app().*FormOf)());
}

// Each view: how a user's session brings its window up, and its form's table.
struct ViewCase {
    const char* name;
    std::function<Form&(ViewSession&)> open;
    std::span<const Control> (*table)();
};

const ViewCase kViews[] = {
    {"pay sheet", [](ViewSession& s) -> Form& { return s.sheet(); }, &qv::Form1::controls},
    {"save prompt",
     [](ViewSession& s) -> Form& {
         // Shown as the save-all's prompt shows it, without waiting for an answer.
         s.app().frmSaveUser().show();
         s.desktop().refresh();
         return s.app().frmSaveUser();
     },
     &qv::FrmSaveUser::controls},
    {"profile", fromSheet<&qv::Form1::mnuUserInfo_Click, &qv::App::frmTaxInfo>, &qv::FrmTaxInfo::controls},
    {"state tax", fromSheet<&qv::Form1::mnuStateTax_Click, &qv::App::dialogState>, &qv::DialogState::controls},
    {"city tax", fromSheet<&qv::Form1::mnuCityTax_Click, &qv::App::dialogCity>, &qv::DialogCity::controls},
    {"non-city tax", fromSheet<&qv::Form1::mnuNonCity_Click, &qv::App::dialogNonCity>, &qv::DialogNonCity::controls},
    {"print heading", fromSheet<&qv::Form1::mnuHeader_Click, &qv::App::dialogHeader>, &qv::DialogHeader::controls},
    {"leave balances", fromSheet<&qv::Form1::mnuVacation_Click, &qv::App::dialogVac>, &qv::DialogVac::controls},
    {"pay date picker", fromSheet<&qv::Form1::txtWeek_Click, &qv::App::frmDateMain>, &qv::FrmDateMain::controls},
    {"about", fromSheet<&qv::Form1::mnuAbout_Click, &qv::App::frmAboutSpcl>, &qv::FrmAboutSpcl::controls},
};

int elements(const Control& c) { return c.isArray() ? c.count : 1; }

// The text a widget shows as its caption; null string when it has none.
QString captionOf(QObject* o) {
    if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
    if (auto* a = qobject_cast<QAction*>(o)) return a->text();
    if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
    return {};
}

QString textOf(QObject* o) {
    if (auto* e = qobject_cast<QLineEdit*>(o)) return e->text();
    if (auto* c = qobject_cast<QComboBox*>(o)) return c->currentText();
    return captionOf(o);
}

bool isShownHidden(QObject* o) {
    if (auto* w = qobject_cast<QWidget*>(o)) return w->isHidden();
    if (auto* a = qobject_cast<QAction*>(o)) return !a->isVisible();
    return false;
}
bool isEnabled(QObject* o) {
    if (auto* w = qobject_cast<QWidget*>(o)) return w->isEnabled();
    if (auto* a = qobject_cast<QAction*>(o)) return a->isEnabled();
    return false;
}

// Sets option `only` of the form and clears the others.
void setOnlyOption(Form& form, std::span<const Control> table, const Control* only) {
    for (const Control& c : table)
        if (c.option) *c.option(form, 0) = &c == only;
}

// A click that goes through the window system, so a modal window can hold it.
void clickThroughWindow(QWidget* w) {
    QWidget* top = w->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, w->rect().center()));
}

}  // namespace

class ViewsTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsOnItsWindow_data();
    void everyControlIsOnItsWindow();
    void bindingCarriesValuesBothWays_data();
    void bindingCarriesValuesBothWays();
    void modalWindowHoldsThePaySheet();
    void leaveBalanceFollowsTyping();
};

void ViewsTest::everyControlIsOnItsWindow_data() {
    QTest::addColumn<int>("view");
    for (int i = 0; i < static_cast<int>(std::size(kViews)); ++i) QTest::newRow(kViews[i].name) << i;
}

void ViewsTest::everyControlIsOnItsWindow() {
    QFETCH(int, view);
    const ViewCase& vc = kViews[view];
    ViewSession s;
    Form& form = vc.open(s);
    QWidget* window = s.windowOf(form);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(s.desktop().viewOf(form)->binding().missing(), QStringList());

    for (const Control& c : vc.table()) {
        if (c.separator) continue;
        for (int i = 0; i < elements(c); ++i) {
            if (!c.hasIndex(i)) continue;
            const QString name = QString::fromStdString(c.objectName(i));
            if (c.windowTitle) continue;
            QObject* o = window->findChild<QObject*>(name);
            QVERIFY2(o, qPrintable(name));
            if (c.check) QVERIFY2(qobject_cast<QCheckBox*>(o), qPrintable(name));
            if (c.option) {
                auto* b = qobject_cast<QAbstractButton*>(o);
                QVERIFY2(b && b->isCheckable(), qPrintable(name));
            }
            if (c.isCommand())
                QVERIFY2(qobject_cast<QAbstractButton*>(o) || qobject_cast<QAction*>(o), qPrintable(name));
            if (!c.designedCaption.empty()) QCOMPARE(captionOf(o), qv::gui::shown(c.designedCaption));
            if (!c.hoverTip.empty()) {
                auto* w = qobject_cast<QWidget*>(o);
                QVERIFY2(w, qPrintable(name));
                QCOMPARE(w->toolTip(), qv::gui::shown(c.hoverTip));
            }
        }
    }
}

void ViewsTest::bindingCarriesValuesBothWays_data() { everyControlIsOnItsWindow_data(); }

void ViewsTest::bindingCarriesValuesBothWays() {
    QFETCH(int, view);
    const ViewCase& vc = kViews[view];
    ViewSession s;
    Form& form = vc.open(s);
    QWidget* window = s.windowOf(form);
    QVERIFY(window);

    for (const Control& c : vc.table()) {
        if (c.separator) continue;
        for (int i = 0; i < elements(c); ++i) {
            if (!c.hasIndex(i)) continue;
            const QString name = QString::fromStdString(c.objectName(i));
            QObject* o = c.windowTitle ? window : window->findChild<QObject*>(name);
            QVERIFY2(o, qPrintable(name));
            if (c.visible) {
                *c.visible(form, i) = false;
                s.desktop().refresh();
                QVERIFY2(isShownHidden(o), qPrintable(name));
                *c.visible(form, i) = true;
                s.desktop().refresh();
                QVERIFY2(!isShownHidden(o), qPrintable(name));
            }
            if (c.enabled) {
                *c.enabled(form, i) = false;
                s.desktop().refresh();
                QVERIFY2(!isEnabled(o), qPrintable(name));
                *c.enabled(form, i) = true;
                s.desktop().refresh();
                QVERIFY2(isEnabled(o), qPrintable(name));
            }
            if (c.text) {
                // The form into the window.
                *c.text(form, i) = "1234";
                s.desktop().refresh();
                if (c.windowTitle)
                    QCOMPARE(window->windowTitle(), QStringLiteral("1234"));
                else
                    QCOMPARE(textOf(o), QStringLiteral("1234"));
                // Typing into the window reaches the form at once.
                if (auto* edit = qobject_cast<QLineEdit*>(o); edit && edit->isEnabled()) {
                    edit->clear();
                    QTest::keyClicks(edit, QStringLiteral("56.5"));
                    QCOMPARE(QString::fromStdString(*c.text(form, i)), QStringLiteral("56.5"));
                }
            }
            if (c.check) {
                auto* box = qobject_cast<QCheckBox*>(o);
                *c.check(form, i) = 1;
                s.desktop().refresh();
                QVERIFY2(box->isChecked(), qPrintable(name));
                box->click();
                QCOMPARE(*c.check(form, i), 0);
            }
            if (c.option) {
                // A window's option buttons are one group: one of them is set.
                auto* button = qobject_cast<QAbstractButton*>(o);
                setOnlyOption(form, vc.table(), &c);
                s.desktop().refresh();
                QVERIFY2(button->isChecked(), qPrintable(name));
                setOnlyOption(form, vc.table(), nullptr);
                for (const Control& other : vc.table())
                    if (other.option && &other != &c) {
                        auto* otherButton = window->findChild<QAbstractButton*>(QString::fromStdString(other.objectName()));
                        otherButton->click();
                        QVERIFY2(*other.option(form, 0) && !*c.option(form, i), qPrintable(name));
                    }
                button->click();
                QVERIFY2(*c.option(form, i), qPrintable(name));
            }
        }
    }
}

void ViewsTest::modalWindowHoldsThePaySheet() {
    ViewSession s;
    QWidget* sheet = s.sheetWindow();
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    auto* hours = sheet->findChild<QLineEdit*>(QStringLiteral("txtAmount_0"));
    auto* add = sheet->findChild<QWidget*>(QStringLiteral("cmdCal"));
    auto* save = sheet->findChild<QAction*>(QStringLiteral("mnuSave"));
    QVERIFY(hours && add && save);
    QTest::keyClicks(hours, QStringLiteral("40"));

    bool held = false;
    bool promptWasModal = false;
    QTimer::singleShot(0, [&] {
        QWidget* prompt = s.windowOf(s.app().frmSaveUser());
        promptWasModal = prompt && QApplication::activeModalWidget() == prompt;
        // ADD on the pay sheet while the prompt is up reaches nothing.
        clickThroughWindow(add);
        held = s.sheet().lbNet.empty();
        clickThroughWindow(prompt->findChild<QWidget*>(QStringLiteral("cmdEnd")));
    });
    save->trigger();  // returns once the prompt has been answered
    QVERIFY(promptWasModal);
    QVERIFY(held);
    QVERIFY(!s.windowOf(s.app().frmSaveUser())->isVisible());

    clickThroughWindow(add);
    QVERIFY(!s.sheet().lbNet.empty());
}

void ViewsTest::leaveBalanceFollowsTyping() {
    ViewSession s;
    Form& leave = s.openFromSheet(&qv::Form1::mnuVacation_Click, s.app().dialogVac());
    QWidget* window = s.windowOf(leave);
    QVERIFY(window);
    auto* start = window->findChild<QLineEdit*>(QStringLiteral("txtVacBal"));
    auto* taken = window->findChild<QLineEdit*>(QStringLiteral("txtVcnt_0"));
    auto* balance = window->findChild<QLabel*>(QStringLiteral("lbVacBal"));
    QVERIFY(start && taken && balance);
    start->selectAll();
    QTest::keyClicks(start, QStringLiteral("10"));
    QCOMPARE(balance->text(), QStringLiteral("10"));
    // A letter is refused; the days follow every key.
    taken->selectAll();
    QTest::keyClicks(taken, QStringLiteral("1x.5"));
    QCOMPARE(taken->text(), QStringLiteral("1.5"));
    QCOMPARE(balance->text(), QStringLiteral("8.5"));
}

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
