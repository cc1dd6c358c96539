// The control tables of every form: each names its controls once, and a
// window that is unloaded gets every control of its table back as designed.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "employee/frm_save_user.h"
#include "employee/frm_tax_info.h"
#include "leave/dialog_vac.h"
#include "ledger/frm_year.h"
#include "ledger/frm_year_tot.h"
#include "ledger/mdi_form1.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "overtime/form2.h"
#include "paysheet/controls.h"
#include "paysheet/form1.h"
#include "paysheet/paysheet_fixture.h"
#include "printing/dlg_print_set.h"
#include "printing/frm_checks.h"
#include "printing/print_heading.h"
#include "shell/frm_about_spcl.h"
#include "shell/frm_date.h"
#include "shell/frm_date_main.h"
#include "state/dialog_state.h"

namespace qv::testing {
namespace {

// Gives every element of every control a value no window is designed with.
void scribble(Form& f, std::span<const Control> table) {
    for (const Control& c : table) {
        const int n = c.isArray() ? c.count : 1;
        for (int i = 0; i < n; ++i) {
            if (c.text) *c.text(f, i) = "scribbled";
            if (c.check) *c.check(f, i) = 1 - *c.check(f, i);
            if (c.option) *c.option(f, i) = !*c.option(f, i);
            if (c.date) *c.date(f, i) = Date{2001, 2, 3};
            if (c.visible) *c.visible(f, i) = !*c.visible(f, i);
            if (c.enabled) *c.enabled(f, i) = !*c.enabled(f, i);
        }
    }
}

// Every element of `table` of `a` equals that of `b`; the first difference.
std::string firstDifference(Form& a, Form& b, std::span<const Control> table) {
    for (const Control& c : table) {
        const int n = c.isArray() ? c.count : 1;
        for (int i = 0; i < n; ++i) {
            const std::string name = c.objectName(i);
            if (c.text && *c.text(a, i) != *c.text(b, i)) return name;
            if (c.check && *c.check(a, i) != *c.check(b, i)) return name;
            if (c.option && *c.option(a, i) != *c.option(b, i)) return name + " (option)";
            if (c.date && !(*c.date(a, i) == *c.date(b, i))) return name + " (date)";
            if (c.visible && *c.visible(a, i) != *c.visible(b, i)) return name + " (visible)";
            if (c.enabled && *c.enabled(a, i) != *c.enabled(b, i)) return name + " (enabled)";
        }
    }
    return {};
}

class ControlTables : public PaySheetSession {
protected:
    template <class F>
    void check(F& form, const char* what) {
        SCOPED_TRACE(what);
        const std::span<const Control> table = F::controls();
        ASSERT_FALSE(table.empty());

        std::set<std::string> names;
        for (const Control& c : table) {
            if (c.separator) continue;
            EXPECT_FALSE(c.name.empty());
            const int n = c.isArray() ? c.count : 1;
            for (int i = 0; i < n; ++i)
                if (c.hasIndex(i)) {
                    EXPECT_TRUE(names.insert(c.objectName(i)).second) << c.objectName(i);
                }
        }

        form.ensureLoaded();
        scribble(form, table);
        form.unload();
        F designed(app);
        EXPECT_EQ(firstDifference(form, designed, table), "");
    }
};

TEST_F(ControlTables, EveryFormNamesEachControlOnceAndUnloadRestoresTheDesign) {
    check(app.form1(), "Form1");
    check(app.frmTaxInfo(), "frmTaxInfo");
    check(app.frmSaveUser(), "frmSaveUser");
    check(app.dialogState(), "DialogState");
    check(app.dialogCity(), "DialogCity");
    check(app.dialogNonCity(), "DialogNonCity");
    check(app.dialogHeader(), "DialogHeader");
    check(app.dialogVac(), "DialogVac");
    check(app.mdiForm1(), "MDIForm1");
    check(app.frmYear(), "frmYear");
    check(app.frmYearTot(), "frmYearTot");
    check(app.frmChecks(), "frmChecks");
    check(app.dlgPrintSet(), "dlgPrintSet");
    check(app.form2(), "Form2");
    check(app.frmDateMain(), "frmDateMain");
    check(app.frmDate(), "frmDate");
    check(app.frmAboutSpcl(), "frmAboutSpcl");
}

TEST_F(ControlTables, ThePaySheetMenusKeepTheirOrderAndRules) {
    std::string shown;
    std::string menu;
    for (const Control& c : Form1::controls()) {
        if (c.menu.empty()) continue;
        if (c.menu != menu) {
            menu = std::string(c.menu);
            shown += (shown.empty() ? "" : "|") + menu + ":";
        }
        shown += c.separator ? std::string("-") + "," : std::string(c.designedCaption) + ",";
    }
    EXPECT_EQ(shown,
              "File:&New,&Open,&Save,-,C&hecks,-,Print Sheet,&Print Image,-,&Clear,E&xit,"
              "|Forms:&Vacation,OT %,&Year to Date,"
              "|Options:H&eader,-,&User Info,-,S&tate Tax,C&ity Tax,Non City Tax,"
              "|Help:He&lp,-,&About,");
}

}  // namespace
}  // namespace qv::testing
