#include "printing/print_heading.h"

#include "common/file_io.h"
#include "common/messages.h"
#include "common/record_line.h"
#include "paysheet/app.h"

namespace qv {

DialogHeader& App::dialogHeader() { return formIn(dialogHeader_); }

void LoadHeading(App& app) {
    const std::filesystem::path path = app.pathOf(kHeadingFileName);
    if (!fileExists(path)) return;
    auto content = readWholeFile(path);
    try {
        if (!content) throw RecordReadError(std::string(kHeadingFileName), "cannot be read");
        RecordReader in(*content, kHeadingFileName, {4});
        PrintHeading read;
        read.HeadCompany = in.text();
        read.HeadAddress = in.text();
        read.HeadZip = in.text();
        read.HeadIdNumber = in.text();
        app.heading = std::move(read);
    } catch (const RecordReadError&) {
        // A heading file cut short keeps the heading in memory; the prints
        // then show what the user last saw. The next save keeps it aside.
        app.fileDamaged(path);
    }
}

bool SaveHeader(App& app) {
    const PrintHeading& h = app.heading;
    RecordWriter out;
    out.text(h.HeadCompany).text(h.HeadAddress).text(h.HeadZip).text(h.HeadIdNumber).endLine();
    std::string error;
    if (!app.saveFile(app.pathOf(kHeadingFileName), out.str(), &error)) {
        app.ui().message(headingNotSavedMessage(kHeadingFileName, error));
        return false;
    }
    return true;
}

void DialogHeader::Form_Load() {
    App& a = app();
    LoadHeading(a);
    PrintHeading& h = a.heading;
    if (h.HeadCompany.empty()) h.HeadCompany = "Company";
    if (h.HeadAddress.empty()) h.HeadAddress = "Address";
    if (h.HeadZip.empty()) h.HeadZip = "Zip Code";
    if (h.HeadIdNumber.empty()) h.HeadIdNumber = "ID Number";
    txtHeader = {h.HeadCompany, h.HeadAddress, h.HeadZip, h.HeadIdNumber};
}

void DialogHeader::cmdOK_Click() {
    ensureLoaded();
    PrintHeading& h = app().heading;
    h.HeadCompany = txtHeader[0];
    h.HeadAddress = txtHeader[1];
    h.HeadZip = txtHeader[2];
    h.HeadIdNumber = txtHeader[3];
    // The dialog stays open when the file could not be written, so the
    // user's typing is not lost.
    if (!SaveHeader(app())) return;
    unload();
}

void DialogHeader::cmdCancel_Click() { unload(); }

std::span<const Control> DialogHeader::controls() {
    static constexpr Control kTable[] = {
        control<&DialogHeader::txtHeader>("txtHeader"),
        command<&DialogHeader::cmdOK_Click>("cmdOK").caption("OK"),
        command<&DialogHeader::cmdCancel_Click>("cmdCancel").caption("Cancel"),
    };
    return kTable;
}

void DialogHeader::resetControls() { resetToDesign(*this, app()); }

}  // namespace qv
