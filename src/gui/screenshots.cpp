// quorvane-screenshots FOLDER OUT: runs the desktop program on a sample
// employee in the working folder FOLDER, opens each window as a user would
// and writes OUT/<window>.png. scripts/screenshots runs it under Xvfb.
//
// A window is added with one line in kShots: its file name, the objectName
// of its window, how the user opens it and how it is closed again.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "employee/frm_save_user.h"
#include "employee/frm_tax_info.h"
#include "gui/desktop_program.h"
#include "leave/dialog_vac.h"
#include "ledger/frm_year.h"
#include "ledger/mdi_form1.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "overtime/form2.h"
#include "paysheet/app.h"
#include "paysheet/form1.h"
#include "printing/dlg_print_set.h"
#include "printing/frm_checks.h"
#include "printing/print_heading.h"
#include "shell/frm_about_spcl.h"
#include "shell/frm_date.h"
#include "shell/frm_date_main.h"
#include "state/dialog_state.h"

namespace {

using qv::App;

struct Shot {
    const char* file;
    const char* window;
    std::function<void(App&)> open;
    std::function<void(App&)> close;
};

QWidget* topLevel(const QString& name);

const std::vector<Shot> kShots = {
    {"pay-sheet", "Form1", [](App&) {}, [](App&) {}},
    {"save-prompt", "frmSaveUser", [](App& a) { a.form1().mnuSave_Click(); },
     [](App& a) { a.frmSaveUser().cmdEnd_Click(); }},
    {"pay-date-picker", "frmDateMain", [](App& a) { a.form1().txtWeek_Click(); },
     [](App& a) { a.frmDateMain().cmdOK_Click(); }},
    {"about", "frmAboutSpcl", [](App& a) { a.form1().mnuAbout_Click(); },
     [](App& a) { a.frmAboutSpcl().cmdOK_Click(); }},
    {"help", "helpWindow", [](App& a) { a.form1().mnuHelp_Click(); },
     [](App&) {
         if (QWidget* w = topLevel(QStringLiteral("helpWindow"))) w->close();
     }},
    {"profile", "frmTaxInfo", [](App& a) { a.form1().mnuUserInfo_Click(); },
     [](App& a) { a.frmTaxInfo().Command1_Click(); }},
    {"state-tax", "DialogState", [](App& a) { a.form1().mnuStateTax_Click(); },
     [](App& a) { a.dialogState().CancelButton_Click(); }},
    {"city-tax", "DialogCity", [](App& a) { a.form1().mnuCityTax_Click(); },
     [](App& a) { a.dialogCity().CancelButton_Click(); }},
    {"non-city-tax", "DialogNonCity", [](App& a) { a.form1().mnuNonCity_Click(); },
     [](App& a) { a.dialogNonCity().CancelButton_Click(); }},
    {"print-heading", "DialogHeader", [](App& a) { a.form1().mnuHeader_Click(); },
     [](App& a) { a.dialogHeader().cmdCancel_Click(); }},
    {"leave-balances", "DialogVac", [](App& a) { a.form1().mnuVacation_Click(); }, [](App& a) { a.dialogVac().close(); }},
    {"ledger", "MDIForm1", [](App& a) { qv::openYearLedger(a); a.frmYear().PasteMe(0); },
     [](App& a) { qv::closeLedgerWindows(a); }},
    {"check", "frmChecks", [](App& a) { a.form1().mnuChecks_Click(); }, [](App&) {}},
    {"print-offset", "dlgPrintSet", [](App& a) { a.frmChecks().mnuPrintCheck_Click(); },
     [](App& a) { a.dlgPrintSet().cmdCancel_Click(); a.frmChecks().hide(); }},
    {"overtime", "Form2", [](App& a) { qv::openOvertimeTracker(a); }, [](App& a) { a.form2().cmdClose_Click(); }},
    {"week-date-picker", "frmDate",
     [](App& a) {
         qv::openOvertimeTracker(a);
         a.form2().Text1_Click(0);
     },
     [](App& a) {
         a.frmDate().cmdOK_Click();
         a.form2().cmdClose_Click();
     }},
};

// A weekly employee at $18.50 an hour with 40 hours and 5 of overtime.
void calculateSample(App& app) {
    app.UserFile = "Pat Sample";
    app.frmSaveUser().txtSaveUser = app.UserFile;
    qv::FrmTaxInfo& profile = app.frmTaxInfo();
    profile.ensureLoaded();
    profile.txtName = "Pat Sample";
    profile.txtHourRate = "18.50";
    profile.cboStatus = "Married";
    profile.cboDepend = "2";
    profile.txtMuni = "25";
    profile.txtPension = "3";
    profile.fillVar_();
    profile.unload();
    qv::Form1& sheet = app.form1();
    sheet.Caption = "  User:  " + app.UserFile;
    sheet.lbUser = app.UserFile;
    sheet.txtWeek = "6/29/2018";
    sheet.txtAmount[0] = "40";
    sheet.txtAmount[3] = "5";
    sheet.cmdCal_Click();
}

QWidget* topLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvane"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: quorvane-screenshots FOLDER OUT\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);

    qv::gui::DesktopProgram program(folder);
    App& app = program.app;
    qv::gui::Desktop& desktop = program.desktop;
    calculateSample(app);
    desktop.start();

    int failures = 0;
    std::size_t next = 0;
    std::function<void()> takeNext = [&] {
        if (next == kShots.size()) {
            QApplication::exit(failures == 0 ? 0 : 1);
            return;
        }
        const Shot& shot = kShots[next++];
        // The grab waits for the window to be shown and painted, also when
        // opening it waits in a modal loop.
        QTimer::singleShot(400, &application, [&, &shot = shot] {
            QWidget* w = topLevel(QString::fromUtf8(shot.window));
            const QString file = out + QStringLiteral("/") + QString::fromUtf8(shot.file) + QStringLiteral(".png");
            if (!w || !w->grab().save(file)) {
                std::fprintf(stderr, "no picture of %s\n", shot.file);
                ++failures;
            } else {
                std::printf("%s\n", qPrintable(file));
            }
            desktop.run(nullptr, [&] { shot.close(app); });
            QTimer::singleShot(0, &application, takeNext);
        });
        desktop.run(nullptr, [&] { shot.open(app); });
    };
    QTimer::singleShot(300, &application, takeNext);
    return QApplication::exec();
}
