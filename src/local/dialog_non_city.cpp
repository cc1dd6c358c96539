#include "local/dialog_non_city.h"

#include "common/format.h"
#include "common/key_filter.h"
#include "common/messages.h"
#include "local/local_text.h"
#include "local/non_city_files.h"
#include "paysheet/box_copy.h"
#include "paysheet/app.h"

namespace qv {

DialogNonCity& App::dialogNonCity() { return formIn(dialogNonCity_); }

namespace {

// The box columns beside the record columns they carry, row by row in the
// record's order (bi-weekly minimum, bi-weekly subtract, weekly minimum,
// weekly subtract).
template <class Boxes, class Fields, class Fn>
void forEachColumn(Boxes& d, Fields& t, Fn fn) {
    fn(d.txtNonMinBi, t.NonMinBi);
    fn(d.txtNonExpBi, t.NonExpBi);
    fn(d.txtNonMinWk, t.NonMinWk);
    fn(d.txtNonExpWk, t.NonExpWk);
}

}  // namespace

void DialogNonCity::Form_Load() {
    openingReadFile_ = LoadNonCityTable(app());
    ChkFor();
    fillVarib();
}

std::span<const Control> DialogNonCity::controls() {
    using D = DialogNonCity;
    static constexpr Control kTable[] = {
        control<&D::txtNonMinWk>("txtNonMinWk").onKeyPress<&D::txtKeyPress>().selectsAll(),
        control<&D::txtNonExpWk>("txtNonExpWk").onKeyPress<&D::txtKeyPress>().selectsAll(),
        control<&D::txtNonMinBi>("txtNonMinBi").onKeyPress<&D::txtKeyPress>().selectsAll(),
        control<&D::txtNonExpBi>("txtNonExpBi").onKeyPress<&D::txtKeyPress>().selectsAll(),
        control<&D::txtNonPer>("txtNonPer").onKeyPress<&D::txtKeyPress>().selectsAll(),
        command<&D::OKButton_Click>("OKButton").caption("&SAVE"),
        command<&D::CancelButton_Click>("CancelButton").caption("&CANCEL"),
        command<&D::cmdDefault_Click>("cmdDefault").caption("&DEFAULT"),
    };
    return kTable;
}

void DialogNonCity::resetControls() { resetToDesign(*this, app()); }

void DialogNonCity::showTable(const NonCityTable& t) {
    ensureLoaded();
    forEachColumn(*this, t, [](auto& boxes, const auto& values) {
        for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = plainNumber(values[i]);
    });
    txtNonPer = plainNumber(t.NonPer);
}

void DialogNonCity::ChkFor() {
    ensureLoaded();
    const NonCityTable defaults = DefaultNonCityTable();
    forEachColumn(*this, defaults, [](auto& boxes, const auto& values) {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].empty()) boxes[i] = plainNumber(values[i]);
    });
    if (txtNonPer.empty()) txtNonPer = plainNumber(defaults.NonPer);
}

bool DialogNonCity::fillVarib() {
    ensureLoaded();
    return static_cast<bool>(
        copyBoxesInto(app().nonCity, [&](NonCityTable& t, BoxReader& read) {
            forEachColumn(*this, t, [&read](const auto& boxes, auto& values) {
                for (std::size_t i = 0; i < boxes.size(); ++i) read(boxes[i], values[i], local::boxSingle);
            });
            read(txtNonPer, t.NonPer, local::boxSingle);
        }));
}

void DialogNonCity::deFault() {
    ensureLoaded();
    showTable(DefaultNonCityTable());
}

void DialogNonCity::OKButton_Click() {
    ensureLoaded();
    ChkFor();
    if (!fillVarib()) {
        app().ui().message(kCheckNumbersMessage);
        return;
    }
    SaveNonCityTable(app());
    unload();
}

void DialogNonCity::CancelButton_Click() { hide(); }

void DialogNonCity::cmdDefault_Click() { deFault(); }

bool DialogNonCity::txtKeyPress(char key) { return numericKeyAccepted(key); }

}  // namespace qv
