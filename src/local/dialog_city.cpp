#include "local/dialog_city.h"

#include <optional>

#include "common/format.h"
#include "common/key_filter.h"
#include "common/numbers.h"
#include "local/local_text.h"
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

void DialogCity::resetControls() {
    CityTaxTables none;
    forEachColumn(*this, none, [](auto& boxes, auto&) { boxes.fill(std::string()); });
    ckNoLocalTax = 0;
}

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
    CityTaxTables t = app().city;
    bool ok = true;
    forEachColumn(*this, t, [&ok](const auto& boxes, auto& values) {
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            std::optional<float> v = local::boxSingle(boxes[i]);
            if (!v) {
                ok = false;
                return;
            }
            values[i] = *v;
        }
    });
    if (!ok) return false;
    t.NoLocalTax = static_cast<std::int16_t>(ckNoLocalTax);
    app().city = t;
    return true;
}

void DialogCity::OKButton_Click() {
    ensureLoaded();
    CheckFor();
    if (!fillVar()) {
        // Nothing half-copied and nothing written: the user fixes the box.
        app().ui().message(local::kCheckNumbersMessage);
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
