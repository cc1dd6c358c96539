#include "local/dialog_city.h"

#include <optional>

#include "common/format.h"
#include "common/key_filter.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "local/city_files.h"
#include "local/local_text.h"
#include "paysheet/box_copy.h"
#include "paysheet/app.h"

namespace qv {

DialogCity& App::dialogCity() { return formIn(dialogCity_); }

namespace {

// The eight box columns beside the record columns they carry, in the order
// the boxes are visited.
template <class Boxes, class Fields, class Fn>
void forEachColumn(Boxes& d, Fields& t, Fn fn) {
    fn(d.txtCityMinBS, t.CityMinBS);
    fn(d.txtCityAmtBS, t.CityAmtBS);
    fn(d.txtCityPerBS, t.CityPerBS);
    fn(d.txtCityMinBM, t.CityMinBM);
    fn(d.txtCityAmtBM, t.CityAmtBM);
    fn(d.txtCityPerBM, t.CityPerBM);
    fn(d.txtCitySgExp, t.CitySgExp);
    fn(d.txtCityMarExp, t.CityMarExp);
}

}  // namespace

void DialogCity::Form_Load() {
    openingReadFile_ = LoadCityTables(app());
    CheckFor();
    fillVar();
}

std::span<const Control> DialogCity::controls() {
    using D = DialogCity;
    static constexpr Control kTable[] = {
        control<&D::txtCityMinBS>("txtCityMinBS").onKeyPress<&D::txtKeyPress>().selectsAll(),
        control<&D::txtCityAmtBS>("txtCityAmtBS").onKeyPress<&D::txtKeyPress>().selectsAll(),
        control<&D::txtCityPerBS>("txtCityPerBS").onKeyPress<&D::txtKeyPress>().selectsAll(),
        control<&D::txtCityMinBM>("txtCityMinBM").onKeyPress<&D::txtKeyPress>().selectsAll(),
        control<&D::txtCityAmtBM>("txtCityAmtBM").onKeyPress<&D::txtKeyPress>().selectsAll(),
        control<&D::txtCityPerBM>("txtCityPerBM").onKeyPress<&D::txtKeyPress>().selectsAll(),
        control<&D::txtCitySgExp>("txtCitySgExp").onKeyPress<&D::txtKeyPress>().selectsAll(),
        control<&D::txtCityMarExp>("txtCityMarExp").onKeyPress<&D::txtKeyPress>().selectsAll(),
        control<&D::ckNoLocalTax>("ckNoLocalTax").caption("NO LOCAL TAX").onClick<&D::ckNoLocalTax_Click>(),
        command<&D::OKButton_Click>("OKButton").caption("&SAVE"),
        command<&D::CancelButton_Click>("CancelButton").caption("&CANCEL"),
        command<&D::cmdDefault_Click>("cmdDefault").caption("&New York"),
        command<&D::cmdClearMe_Click>("cmdClearMe").caption("CLEAR ALL"),
    };
    return kTable;
}

void DialogCity::resetControls() { resetToDesign(*this, app()); }

void DialogCity::showTables(const CityTaxTables& t) {
    ensureLoaded();
    forEachColumn(*this, t, [](auto& boxes, const auto& values) {
        for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = plainNumber(values[i]);
    });
}

void DialogCity::CheckFor() {
    ensureLoaded();
    const CityTaxTables defaults = NewYorkCityTables();
    forEachColumn(*this, defaults, [](auto& boxes, const auto& values) {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].empty()) boxes[i] = plainNumber(values[i]);
    });
}

bool DialogCity::fillVar() {
    ensureLoaded();
    return static_cast<bool>(
        copyBoxesInto(app().city, [&](CityTaxTables& t, BoxReader& read) {
            forEachColumn(*this, t, [&read](const auto& boxes, auto& values) {
                for (std::size_t i = 0; i < boxes.size(); ++i) read(boxes[i], values[i], local::boxSingle);
            });
            t.NoLocalTax = static_cast<std::int16_t>(ckNoLocalTax);
        }));
}

void DialogCity::OKButton_Click() {
    ensureLoaded();
    CheckFor();
    if (!fillVar()) {
        // Nothing half-copied and nothing written: the user fixes the box.
        app().ui().message(kCheckNumbersMessage);
        return;
    }
    SaveCityTables(app());
    unload();
}

void DialogCity::CancelButton_Click() { unload(); }

void DialogCity::cmdDefault_Click() {
    ensureLoaded();
    setNoLocalTax(0);
    showTables(NewYorkCityTables());
}

void DialogCity::cmdClearMe_Click() {
    ensureLoaded();
    showTables(ClearedCityTables());
}

void DialogCity::ckNoLocalTax_Click() {
    ensureLoaded();
    // The record follows the check box only at SAVE, like every other box:
    // a cancelled check must not clear the employee's tables at the next save.
    if (ckNoLocalTax != 0)
        showTables(ClearedCityTables());
    else
        showTables(app().city);
}

void DialogCity::setNoLocalTax(int value) {
    ensureLoaded();
    value = value != 0 ? 1 : 0;
    if (value == ckNoLocalTax) return;
    ckNoLocalTax = value;
    ckNoLocalTax_Click();
}

bool DialogCity::txtKeyPress(char key) { return numericKeyAccepted(key); }

}  // namespace qv
