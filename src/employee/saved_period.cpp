#include "employee/saved_period.h"

#include <array>
#include <cmath>
#include <optional>

#include "common/file_io.h"
#include "common/format.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "common/record_line.h"
#include "paysheet/app.h"
#include "paysheet/calculate.h"
#include "paysheet/form1.h"

namespace qv {

namespace {

constexpr int kValues = 26;
constexpr std::string_view kSeparator = "  ";

// The sheet's labels in file order after the eight amounts.
std::array<std::string*, 18> sheetLabels(Form1& s) {
    return {&s.lbTaxDed[0], &s.lbTaxDed[1], &s.lbTaxDed[2], &s.lbTaxDed[3], &s.lbTaxDed[4], &s.lbTaxDed[5],
            &s.lbTaxDed[6], &s.lbTaxDed[7], &s.lbTaxDed[8], &s.lbTaxDed[9], &s.lbTaxDed[10], &s.lbSDI,
            &s.lbSUI,       &s.lbCafe,      &s.lbGross,     &s.lbTaxes,     &s.lbDeduct,    &s.lbNet};
}

// A box or caption as a single; an empty one counts as 0.
std::optional<float> asSingle(const std::string& text) {
    if (text.empty()) return 0.0f;
    return convertSingle(text);
}

}  // namespace

std::string savedPeriodFileName(const std::string& payDate, const std::string& userFile, std::string* problem) {
    std::string date = payDate;
    for (char& c : date)
        if (c == '/') c = '_';
    std::string why = fileNameProblem(date);
    if (why.empty() && date.empty()) why = "The pay date is empty.";
    if (!why.empty()) {
        if (problem) *problem = why;
        return {};
    }
    return date + std::string(kSeparator) + userFile + ".prv";
}

bool SavePayPeriod(App& app) {
    Form1& sheet = app.form1();
    std::string problem;
    const std::string name = savedPeriodFileName(sheet.txtWeek, app.UserFile, &problem);
    if (name.empty()) {
        app.ui().message(payDateNotAFileNameMessage(sheet.txtWeek, problem));
        return false;
    }
    // Every box and caption must read as a number before anything changes.
    std::array<float, kValues> values{};
    for (int i = 0; i < 8; ++i) {
        auto v = asSingle(sheet.txtAmount[i]);
        if (!v) {
            app.ui().message(kNonNumeric);
            return false;
        }
        values[i] = *v;
    }
    auto labels = sheetLabels(sheet);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        auto v = asSingle(*labels[i]);
        if (!v) {
            app.ui().message(kNonNumeric);
            return false;
        }
        values[8 + i] = *v;
    }
    for (auto& box : sheet.txtAmount)
        if (box.empty()) box = "0";
    for (std::string* label : labels)
        if (label->empty()) *label = "0";

    RecordWriter w;
    for (float v : values) w.num(v).endLine();
    std::string error;
    if (!app.saveFile(app.pathOf(name), w.str(), &error)) {
        app.ui().message(periodNotSavedMessage(name, error));
        return false;
    }
    return true;
}

bool GetPayPeriod(App& app) {
    auto chosen = app.ui().openFile("Get Pay Period", "Saved Files (*.prv)|*.prv", app.folder());
    if (!chosen) return false;
    return restorePayPeriod(app, *chosen);
}

bool restorePayPeriod(App& app, const std::filesystem::path& file) {
    // Choosing a file makes its folder the working folder.
    if (file.has_parent_path()) app.setFolder(file.parent_path());
    const std::filesystem::path path = file.has_parent_path() ? file : app.pathOf(file.string());
    if (!fileExists(path)) return false;
    auto content = readWholeFile(path);
    std::array<float, kValues> values{};
    try {
        if (!content) throw RecordReadError(file.filename().string(), "cannot be read");
        RecordReader r(*content, file.filename().string(), repeatLayout({1}, kValues));
        for (float& v : values) v = r.single();
    } catch (const RecordReadError&) {
        // A later save of the same period keeps this one aside.
        app.fileDamaged(path);
        return false;
    }
    Form1& sheet = app.form1();
    for (int i = 0; i < 8; ++i) sheet.txtAmount[i] = plainNumber(values[i]);
    auto labels = sheetLabels(sheet);
    for (std::size_t i = 0; i < labels.size(); ++i) *labels[i] = formatNumber(values[8 + i], kFmtLedger);
    // The pay date is the part of the name before the employee's name.
    std::string name = file.filename().string();
    std::size_t end = name.find(kSeparator);
    if (end == std::string::npos) end = name.size() >= 4 ? name.size() - 4 : name.size();
    std::string date = name.substr(0, end);
    for (char& c : date)
        if (c == '_') c = '/';
    sheet.txtWeek = date;
    return true;
}

}  // namespace qv
