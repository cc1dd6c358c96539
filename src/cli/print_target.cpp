#include "cli/print_target.h"

#include "cli/report.h"
#include "common/file_io.h"
#include "common/messages.h"
#include "platform/headless/text_printer.h"

#ifdef QUORVANE_HAS_DESKTOP
#include "gui/platform/qt_printer.h"
#endif

namespace qv::cli {

namespace {

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

class TextFilePrinter : public OpenedPrinter {
public:
    explicit TextFilePrinter(std::filesystem::path file) : file_(std::move(file)) {}
    platform::TextPrinter printer;

    int finish() override {
        if (!printed()) return kFailed;
        std::string error;
        if (!replaceFile(file_, printer.text(), &error)) {
            reportError(cannotWriteOutputMessage(file_.string(), error));
            return kFailed;
        }
        return kOk;
    }
    bool printed() const override { return !printer.documents().empty(); }

private:
    std::filesystem::path file_;
};

#ifdef QUORVANE_HAS_DESKTOP
class QtOutput : public OpenedPrinter {
public:
    explicit QtOutput(std::unique_ptr<gui::QtPrinter> p) : printer(std::move(p)) {}
    std::unique_ptr<gui::QtPrinter> printer;

    int finish() override {
        if (!printer->error().empty()) {
            reportError(printer->error());
            return kFailed;
        }
        return printed() ? kOk : kFailed;
    }
    bool printed() const override { return printer->pagesPrinted() > 0; }
};
#endif

}  // namespace

void addPrintTargetOptions(CLI::App& sub, PrintTarget& target) {
    sub.add_option("--out", target.out, "Print to this file: a PDF (.pdf) or the character grid (.txt)");
    sub.add_option("--printer", target.printerName, "Print on this system printer");
}

std::string printTargetProblem(const PrintTarget& target) {
    if (target.out.empty() == target.printerName.empty()) return "give either --out FILE or --printer NAME.";
    if (!target.out.empty() && !endsWith(target.out, ".pdf") && !endsWith(target.out, ".txt"))
        return "--out must name a \".pdf\" or a \".txt\" file.";
    return {};
}

std::string printTargetUnavailable(const PrintTarget& target) {
#ifdef QUORVANE_HAS_DESKTOP
    (void)target;
    return {};
#else
    if (!target.out.empty() && endsWith(target.out, ".txt")) return {};
    return std::string(kNoDesktopPrinting);
#endif
}

std::unique_ptr<OpenedPrinter> OpenedPrinter::open(Session& session, const PrintTarget& target) {
    if (!target.out.empty() && endsWith(target.out, ".txt")) {
        auto p = std::make_unique<TextFilePrinter>(target.out);
        session.app->printer = &p->printer;
        return p;
    }
#ifdef QUORVANE_HAS_DESKTOP
    auto qt = target.out.empty() ? gui::QtPrinter::toSystemPrinter(target.printerName)
                                 : gui::QtPrinter::toPdf(target.out);
    if (!qt->error().empty()) {
        reportError(qt->error());
        return nullptr;
    }
    auto p = std::make_unique<QtOutput>(std::move(qt));
    session.app->printer = p->printer.get();
    return p;
#else
    reportError(printTargetUnavailable(target));
    return nullptr;
#endif
}

int calculateAndPrint(Session& session, const SheetAmounts& amounts, const PrintTarget& target,
                      const std::function<void(App&)>& print) {
    auto printer = OpenedPrinter::open(session, target);
    if (!printer) return kFailed;
    const int status = calculateSheet(session, amounts);
    if (status == kOk) print(*session.app);
    reportMessages(session.ui);
    if (status != kOk) return status;
    return printer->finish();
}

std::string calculateAndPrintProblem(SheetAmounts& amounts, const PrintTarget& target) {
    std::string problem = sheetAmountsProblem(amounts);
    return problem.empty() ? printTargetProblem(target) : problem;
}

}  // namespace qv::cli
