// The ledger, check, offset and overtime windows over their forms, and
// printing from the desktop through the printer dialog and the preview, on
// the offscreen platform.
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSpontaneKeyEvent>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "gui/platform/chosen_printer.h"
#include "ledger/frm_year.h"
#include "ledger/frm_year_tot.h"
#include "ledger/mdi_form1.h"
#include "ledger/year_ledger.h"
#include "overtime/form2.h"
#include "printing/dlg_print_set.h"
#include "printing/frm_checks.h"
#include "support/pdf_reading.h"
#include "view_session.h"

using qv::testing::ViewSession;
namespace fs = std::filesystem;

namespace {

// The program's dialogs answered from the script, but the printer chosen in
// the real printer dialog, as on the desktop.
class PrintingUi : public qv::platform::ScriptedUi {
public:
    explicit PrintingUi(qv::gui::ChosenPrinter& printer) : printer_(printer) {}
    bool choosePrinter() override { return printer_.choose(nullptr); }

private:
    qv::gui::ChosenPrinter& printer_;
};

// Answers modal windows of one kind as they come up: `answer` gets each one
// (until it returns false, which stops the watch).
class Answer : public QObject {
public:
    template <class Dialog>
    static void each(QObject* owner, std::function<bool(Dialog*)> answer) {
        auto* watch = new Answer(owner);
        watch->test_ = [answer](QWidget* w) {
            auto* d = qobject_cast<Dialog*>(w);
            return d ? std::optional<bool>(answer(d)) : std::nullopt;
        };
        watch->timer_.start(10);
    }

private:
    explicit Answer(QObject* owner) : QObject(owner) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == last_) return;
            if (auto more = test_(modal)) {
                last_ = modal;
                if (!*more) timer_.stop();
            }
        });
    }
    std::function<std::optional<bool>(QWidget*)> test_;
    QTimer timer_;
    QWidget* last_ = nullptr;
};

// The printer dialog: print to this PDF file.
bool printTo(QPrintDialog* dialog, const fs::path& pdf) {
    if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename")))
        file->setText(QString::fromStdString(pdf.string()));
    dialog->accept();
    return true;
}

int previewPages(QPrintPreviewDialog* preview) {
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    return pages ? pages->pageCount() : -1;
}

void pressPrint(QPrintPreviewDialog* preview) {
    auto* print = preview->findChild<QAction*>(QStringLiteral("previewPrint"));
    QVERIFY(print);
    print->trigger();
}

using qv::testing::pdfPages;
using qv::testing::pdfText;

void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton) {
    QVERIFY(w);
    QTest::mouseClick(w, button, {}, w->rect().center());
}

// A period worked out on the pay sheet: hours typed and ADD pressed.
void calculate(ViewSession& s, const QString& hours) {
    auto* box = s.find<QLineEdit>(s.sheet(), QStringLiteral("txtAmount_0"));
    QVERIFY(box);
    box->selectAll();
    QTest::keyClicks(box, hours);
    click(s.find<QPushButton>(s.sheet(), QStringLiteral("cmdCal")));
}

void openLedger(ViewSession& s) { click(s.find<QPushButton>(s.sheet(), QStringLiteral("cmdYear"))); }

QWidget* gridWindow(ViewSession& s) { return s.windowOf(s.app().frmYear()); }

QString cell(ViewSession& s, const char* name, int slot) {
    QWidget* w = gridWindow(s)->findChild<QWidget*>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(slot));
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    return QStringLiteral("<missing>");
}

// Every cell of every row, to see which rows a click changed.
std::vector<QStringList> gridRows(ViewSession& s) {
    static const char* kCells[] = {"txtDate", "txtFed",  "txtSS",   "txtMedi", "txtState", "txtCity",
                                   "txtMuni", "txtBond", "txtDues", "txtPen",  "txtMisc",  "txtKplan",
                                   "txtTips", "txtOT",   "txtNet",  "txtGross"};
    std::vector<QStringList> rows;
    for (int i = 0; i < qv::kLedgerSlots; ++i) {
        QStringList row;
        for (const char* c : kCells) row << cell(s, c, i);
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

class LedgerViewsTest : public QObject {
    Q_OBJECT

private slots:
    void gridShowsEveryRowAndBothHeadings_data();
    void gridShowsEveryRowAndBothHeadings();
    void clickOnPeriodNumberChangesExactlyThatRow_data();
    void clickOnPeriodNumberChangesExactlyThatRow();
    void frameCloseBoxIsRefused();
    void closeAsksAndSavesOnlyOnYes_data();
    void closeAsksAndSavesOnlyOnYes();
    void grossAndNetTakeOnlyNumbers();
    void trackerKeyboardMoves_data();
    void trackerKeyboardMoves();
    void cancelledPrintPrintsNothing_data();
    void cancelledPrintPrintsNothing();
    void previewHasThePdfsPages_data();
    void previewHasThePdfsPages();
    void wholeSessionPrintsAsTheCommandLine_data();
    void wholeSessionPrintsAsTheCommandLine();
};

void LedgerViewsTest::gridShowsEveryRowAndBothHeadings_data() {
    QTest::addColumn<bool>("weekly");
    QTest::addColumn<int>("rows");
    QTest::newRow("weekly") << true << 53;
    QTest::newRow("bi-weekly") << false << 27;
}

void LedgerViewsTest::gridShowsEveryRowAndBothHeadings() {
    QFETCH(bool, weekly);
    QFETCH(int, rows);
    ViewSession s;
    auto& p = s.app().profile;
    p.Weekly = weekly;
    p.BiWeekly = !weekly;
    p.DedName5 = "CrUnion";
    p.DedName9 = "Health";
    openLedger(s);

    QWidget* frame = s.windowOf(s.app().mdiForm1());
    QVERIFY(frame && frame->isVisible());
    QCOMPARE(frame->windowTitle(), QStringLiteral("Year To Date"));
    QWidget* grid = gridWindow(s);
    QVERIFY(grid && grid->isVisible());
    QCOMPARE(grid->window(), frame);
    QCOMPARE(s.desktop().viewOf(s.app().frmYear())->binding().missing(), QStringList());
    QCOMPARE(s.desktop().viewOf(s.app().frmYearTot())->binding().missing(), QStringList());
    QCOMPARE(s.desktop().viewOf(s.app().mdiForm1())->binding().missing(), QStringList());

    for (int i = 0; i < qv::kLedgerSlots; ++i) {
        auto* number = grid->findChild<QLabel*>(QStringLiteral("Label2_%1").arg(i));
        QVERIFY(number);
        QCOMPARE(number->text(), QString::number(i + 1));
        QCOMPARE(number->isVisibleTo(grid), i < rows);
    }
    const QStringList upper = {"Week", "Federal", "SS",     "Medi",   "State", "City", "CrUnion", "Bond",
                               "Dues", "Pension", "Health", "K-Plan", "Tips",  "OT",   "Net",     "Gross"};
    QStringList lower = upper;
    if (!weekly) {
        // A bi-weekly year renames the upper headings only.
        lower[6] = "MCU";
        lower[10] = "H.I.";
    }
    for (int k = 0; k < 16; ++k) {
        QCOMPARE(grid->findChild<QLabel*>(QStringLiteral("lbHeading_%1").arg(k))->text(), upper[k]);
        auto* second = grid->findChild<QLabel*>(QStringLiteral("lbHeading2_%1").arg(k));
        QCOMPARE(second->text(), lower[k]);
        QVERIFY(second->isVisibleTo(grid));
    }
    // The totals strip names the deductions as the grid does.
    QWidget* totals = s.windowOf(s.app().frmYearTot());
    QVERIFY(totals && totals->isVisible());
    QCOMPARE(totals->findChild<QLabel*>(QStringLiteral("lbDedName_0"))->text(), QStringLiteral("CrUnion"));
    // The rows that do not fit scroll; none is cut off.
    QCOMPARE(grid->findChild<QLabel*>(QStringLiteral("Label2_%1").arg(rows - 1))->height() > 0, true);
}

void LedgerViewsTest::clickOnPeriodNumberChangesExactlyThatRow_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("changes");
    QTest::newRow("left posts row 1") << int(Qt::LeftButton) << 0 << true;
    QTest::newRow("left posts row 53") << int(Qt::LeftButton) << 52 << true;
    QTest::newRow("right deletes row 5") << int(Qt::RightButton) << 4 << true;
    QTest::newRow("middle does nothing") << int(Qt::MiddleButton) << 4 << false;
}

void LedgerViewsTest::clickOnPeriodNumberChangesExactlyThatRow() {
    QFETCH(int, button);
    QFETCH(int, slot);
    QFETCH(bool, changes);
    ViewSession s;
    calculate(s, QStringLiteral("40"));
    openLedger(s);
    // Rows 5 and 6 hold periods already, so a deletion shows.
    click(gridWindow(s)->findChild<QLabel*>(QStringLiteral("Label2_4")));
    click(gridWindow(s)->findChild<QLabel*>(QStringLiteral("Label2_5")));
    const auto before = gridRows(s);
    const QString grossBefore = s.windowOf(s.app().frmYearTot())->findChild<QLineEdit*>("txtTotGross")->text();

    click(gridWindow(s)->findChild<QLabel*>(QStringLiteral("Label2_%1").arg(slot)), Qt::MouseButton(button));

    const auto after = gridRows(s);
    for (int i = 0; i < qv::kLedgerSlots; ++i) {
        if (i == slot && changes)
            QVERIFY2(after[i] != before[i], qPrintable(QStringLiteral("row %1 unchanged").arg(i + 1)));
        else
            QVERIFY2(after[i] == before[i], qPrintable(QStringLiteral("row %1 changed").arg(i + 1)));
    }
    const QString grossAfter = s.windowOf(s.app().frmYearTot())->findChild<QLineEdit*>("txtTotGross")->text();
    if (button == Qt::LeftButton) {
        // The same period as the one posted into row 5 before.
        QCOMPARE(cell(s, "txtGross", slot), cell(s, "txtGross", 4));
        QCOMPARE(cell(s, "txtDate", slot), QString::fromStdString(s.sheet().txtWeek));
        QVERIFY(grossAfter != grossBefore);
    } else if (button == Qt::RightButton) {
        QCOMPARE(cell(s, "txtGross", slot), QStringLiteral("0"));
        QCOMPARE(cell(s, "txtDate", slot), QString());
        QVERIFY(grossAfter != grossBefore);
    } else {
        QCOMPARE(grossAfter, grossBefore);
    }
}

void LedgerViewsTest::frameCloseBoxIsRefused() {
    ViewSession s;
    openLedger(s);
    QWidget* frame = s.windowOf(s.app().mdiForm1());
    // The window system's close request, as the frame's close box sends it:
    // a spontaneous event (sendEvent would make it look like the program's own).
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    qApp->notify(frame, &close);
    QCOMPARE(s.ui().messages(), std::vector<std::string>{"USE CLOSE INSTEAD"});
    QVERIFY(frame->isVisible());
    QVERIFY(gridWindow(s)->isVisible());
    QVERIFY(s.app().mdiForm1().loaded);
}

void LedgerViewsTest::closeAsksAndSavesOnlyOnYes_data() {
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("from");
    QTest::newRow("Yes, grid's button") << true << "cmdBack";
    QTest::newRow("No, grid's button") << false << "cmdBack";
    QTest::newRow("Yes, frame's menu") << true << "mnuClose";
    QTest::newRow("No, frame's menu") << false << "mnuClose";
}

void LedgerViewsTest::closeAsksAndSavesOnlyOnYes() {
    QFETCH(bool, yes);
    QFETCH(QString, from);
    ViewSession s;
    calculate(s, QStringLiteral("40"));
    openLedger(s);
    click(gridWindow(s)->findChild<QLabel*>(QStringLiteral("Label2_0")));
    const fs::path year = s.folder() / ".yrw";
    QVERIFY(!fs::exists(year));

    yes ? s.ui().answerYes() : s.ui().answerNo();
    QWidget* frame = s.windowOf(s.app().mdiForm1());
    if (from == "cmdBack")
        click(frame->findChild<QPushButton*>(from));
    else
        frame->findChild<QAction*>(from)->trigger();

    QCOMPARE(s.ui().questions(), std::vector<std::string>{"     Do you want to save YTD"});
    QCOMPARE(fs::exists(year), yes);
    QVERIFY(!frame->isVisible());
    QVERIFY(s.ui().messages().empty());
}

void LedgerViewsTest::grossAndNetTakeOnlyNumbers() {
    ViewSession s;
    openLedger(s);
    for (const char* name : {"txtGross_3", "txtNet_3", "txtTips_3"}) {
        auto* box = gridWindow(s)->findChild<QLineEdit*>(name);
        QVERIFY(box);
        box->clear();
        QTest::keyClicks(box, QStringLiteral("1a2 -.5"));
        const QString want = QLatin1String(name).startsWith(QLatin1String("txtTips")) ? "1a2 -.5" : "12 -.5";
        QCOMPARE(box->text(), want);
    }
    QCOMPARE(s.app().frmYear().txtGross[3], std::string("12 -.5"));
}

void LedgerViewsTest::trackerKeyboardMoves_data() {
    QTest::addColumn<bool>("weekly");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::newRow("Enter, amount") << true << "txtOT_4" << int(Qt::Key_Return) << "txtOT_5";
    QTest::newRow("Enter wraps from 53") << true << "txtOT_52" << int(Qt::Key_Return) << "txtOT_0";
    QTest::newRow("Enter wraps from 26 bi-weekly") << false << "txtOT_25" << int(Qt::Key_Return) << "txtOT_0";
    QTest::newRow("Enter, week ending") << true << "Text1_25" << int(Qt::Key_Return) << "Text1_26";
    QTest::newRow("Down, amount") << true << "txtOT_7" << int(Qt::Key_Down) << "txtOT_8";
    QTest::newRow("Down stops at 53") << true << "txtOT_52" << int(Qt::Key_Down) << "txtOT_52";
    QTest::newRow("Up, week ending") << true << "Text1_7" << int(Qt::Key_Up) << "Text1_6";
    QTest::newRow("Up stops at 1") << true << "Text1_0" << int(Qt::Key_Up) << "Text1_0";
    QTest::newRow("Left to the week ending") << true << "txtOT_9" << int(Qt::Key_Left) << "Text1_9";
    QTest::newRow("Right to the amount") << true << "Text1_9" << int(Qt::Key_Right) << "txtOT_9";
    QTest::newRow("no Left from 53") << true << "txtOT_52" << int(Qt::Key_Left) << "txtOT_52";
}

void LedgerViewsTest::trackerKeyboardMoves() {
    QFETCH(bool, weekly);
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    ViewSession s;
    s.app().profile.Weekly = weekly;
    s.app().profile.BiWeekly = !weekly;
    click(s.find<QPushButton>(s.sheet(), QStringLiteral("cmdOT")));
    QWidget* tracker = s.windowOf(s.app().form2());
    QVERIFY(tracker && tracker->isVisible());
    QCOMPARE(s.desktop().viewOf(s.app().form2())->binding().missing(), QStringList());
    QCOMPARE(tracker->findChild<QWidget*>("secondColumn")->isVisibleTo(tracker), weekly);
    tracker->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(tracker));
    auto* start = tracker->findChild<QLineEdit*>(from);
    QVERIFY(start);
    start->setFocus();
    QTest::keyClick(start, Qt::Key(key));
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), to);
    if (key == Qt::Key_Return && to != from) {
        auto* now = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(now && (now->text().isEmpty() || now->hasSelectedText()));
    }
}

namespace {

// How a test starts each print from the windows, once a period is worked out.
struct PrintCommand {
    const char* name;
    std::function<void(ViewSession&)> run;
};

const PrintCommand kPrints[] = {
    {"stub", [](ViewSession& s) { click(s.find<QPushButton>(s.sheet(), QStringLiteral("cmdPrint"))); }},
    {"check",
     [](ViewSession& s) {
         QWidget* sheet = s.sheetWindow();
         sheet->findChild<QAction*>(QStringLiteral("mnuChecks"))->trigger();
         QWidget* checks = s.windowOf(s.app().frmChecks());
         QVERIFY(checks && checks->isVisible());
         checks->findChild<QAction*>(QStringLiteral("mnuPrintCheck"))->trigger();
         QWidget* offsets = s.windowOf(s.app().dlgPrintSet());
         QVERIFY(offsets && offsets->isVisible());
         click(offsets->findChild<QPushButton*>(QStringLiteral("cmdPrint")));
     }},
    {"ledger",
     [](ViewSession& s) {
         openLedger(s);
         click(gridWindow(s)->findChild<QLabel*>(QStringLiteral("Label2_0")));
         s.windowOf(s.app().mdiForm1())->findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
     }},
    {"pay sheet picture",
     [](ViewSession& s) { s.sheetWindow()->findChild<QAction*>(QStringLiteral("mnuPrintImage"))->trigger(); }},
    {"tracker picture",
     [](ViewSession& s) {
         click(s.find<QPushButton>(s.sheet(), QStringLiteral("cmdOT")));
         click(s.windowOf(s.app().form2())->findChild<QPushButton*>(QStringLiteral("cmdPrint")));
     }},
};

struct PrintSession {
    PrintSession() : ui(printer), session(&ui) { session.app().printer = &printer; }
    qv::gui::ChosenPrinter printer;
    PrintingUi ui;
    ViewSession session;
};

}  // namespace

void LedgerViewsTest::cancelledPrintPrintsNothing_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("inPreview");
    for (int i = 0; i < static_cast<int>(std::size(kPrints)); ++i) {
        QTest::newRow(qPrintable(QStringLiteral("%1, printer dialog").arg(kPrints[i].name))) << i << false;
        QTest::newRow(qPrintable(QStringLiteral("%1, preview").arg(kPrints[i].name))) << i << true;
    }
}

void LedgerViewsTest::cancelledPrintPrintsNothing() {
    QFETCH(int, command);
    QFETCH(bool, inPreview);
    PrintSession p;
    ViewSession& s = p.session;
    calculate(s, QStringLiteral("40"));
    const fs::path pdf = s.folder() / "out.pdf";
    int dialogs = 0, previews = 0;
    QObject owner;
    Answer::each<QPrintDialog>(&owner, [&](QPrintDialog* d) {
        ++dialogs;
        if (inPreview) return printTo(d, pdf);
        d->reject();
        return true;
    });
    Answer::each<QPrintPreviewDialog>(&owner, [&](QPrintPreviewDialog* d) {
        ++previews;
        d->reject();
        return true;
    });
    kPrints[command].run(s);
    QVERIFY(dialogs >= 1);
    QCOMPARE(previews, inPreview ? 1 : 0);
    QVERIFY(!fs::exists(pdf));
    QVERIFY(p.ui.messages().empty());
}

void LedgerViewsTest::previewHasThePdfsPages_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("pages");
    QTest::newRow("stub") << 0 << 1;
    QTest::newRow("check") << 1 << 1;
    QTest::newRow("ledger") << 2 << 1;
    QTest::newRow("pay sheet picture") << 3 << 1;
}

void LedgerViewsTest::previewHasThePdfsPages() {
    QFETCH(int, command);
    QFETCH(int, pages);
    PrintSession p;
    ViewSession& s = p.session;
    calculate(s, QStringLiteral("40"));
    const fs::path pdf = s.folder() / "out.pdf";
    int shown = -1;
    QObject owner;
    Answer::each<QPrintDialog>(&owner, [&](QPrintDialog* d) { return printTo(d, pdf); });
    Answer::each<QPrintPreviewDialog>(&owner, [&](QPrintPreviewDialog* d) {
        shown = previewPages(d);
        pressPrint(d);
        return false;
    });
    kPrints[command].run(s);
    QVERIFY(fs::exists(pdf));
    QCOMPARE(shown, pdfPages(pdf));
    QCOMPARE(shown, pages);
}

void LedgerViewsTest::wholeSessionPrintsAsTheCommandLine_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("cliCommand");
    QTest::newRow("stub") << 0 << QStringLiteral("stub");
    QTest::newRow("check") << 1 << QStringLiteral("check");
}

// A user's whole session through the windows: ADD, the ledger opened, the
// period posted into row 1, Close and Yes, then the stub or the check printed
// to a PDF. The PDF reads as the command line's print of the same employee
// and period, which starts afresh from the files the desktop saved.
void LedgerViewsTest::wholeSessionPrintsAsTheCommandLine() {
    QFETCH(int, command);
    QFETCH(QString, cliCommand);
    PrintSession p;
    ViewSession& s = p.session;
    calculate(s, QStringLiteral("40"));
    openLedger(s);
    click(gridWindow(s)->findChild<QLabel*>(QStringLiteral("Label2_0")));
    p.ui.answerYes();
    click(gridWindow(s)->findChild<QPushButton*>(QStringLiteral("cmdBack")));
    QVERIFY(fs::exists(s.folder() / ".yrw"));

    const fs::path pdf = s.folder() / "desktop.pdf";
    QObject owner;
    Answer::each<QPrintDialog>(&owner, [&](QPrintDialog* d) { return printTo(d, pdf); });
    Answer::each<QPrintPreviewDialog>(&owner, [&](QPrintPreviewDialog* d) {
        pressPrint(d);
        return false;
    });
    kPrints[command].run(s);
    QVERIFY(fs::exists(pdf));
    const std::string desktop = pdfText(pdf);
    QVERIFY(desktop.find("Regular1 Earning") != std::string::npos);

    // The command line works on a copy of the employee's files, so the
    // desktop's hold on its folder does not stand in its way.
    const fs::path copy = s.folder().string() + "-cli";
    fs::remove_all(copy);
    fs::create_directories(copy);
    for (const auto& f : fs::directory_iterator(s.folder()))
        if (f.is_regular_file() && f.path().extension() != ".pdf" && f.path().extension() != ".lock")
            fs::copy_file(f.path(), copy / f.path().filename());
    const fs::path cli = copy / "cli.pdf";
    const std::string line = std::string("QT_QPA_PLATFORM=offscreen '") + QUORVANE_CLI + "' --folder '" +
                             copy.string() + "' --date '" + s.sheet().txtWeek + "' " + cliCommand.toStdString() +
                             " --amounts 40 --out '" + cli.string() + "' 2>&1";
    const std::string said = qv::testing::commandOutput(line);
    QVERIFY2(fs::exists(cli), said.c_str());
    const std::string fromCli = pdfText(cli);
    fs::remove_all(copy);
    // The stub is dated the day it is printed: the session's clock stands
    // still, the command line's does not.
    auto undated = [](const std::string& text) {
        return QString::fromStdString(text).replace(QRegularExpression(QStringLiteral("Date: +[0-9/]+ +")),
                                                    QStringLiteral("Date: (today) "));
    };
    QCOMPARE(undated(desktop), undated(fromCli));
}

QTEST_MAIN(LedgerViewsTest)
#include "ledger_views_test.moc"
