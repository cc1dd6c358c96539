// The employer's heading printed at the top of the pay stub and the ledger
// print, its file "Header.sav" (shared by every employee) and the dialog that
// edits it.
#pragma once

#include <array>
#include <string>

#include "paysheet/controls.h"
#include "paysheet/form.h"

namespace qv {

class App;

struct PrintHeading {
    std::string HeadCompany;
    std::string HeadAddress;
    std::string HeadZip;
    std::string HeadIdNumber;

    friend bool operator==(const PrintHeading&, const PrintHeading&) = default;
};

// The heading file, one per working folder.
inline constexpr const char* kHeadingFileName = "Header.sav";

// Reads "Header.sav" when it can be read; otherwise (missing, or damaged) the
// heading keeps what it held. A damaged file is never half-applied.
void LoadHeading(App& app);
// Writes the four texts to "Header.sav", replacing it atomically. Returns
// false and tells the user when the file cannot be written.
bool SaveHeader(App& app);

// "Print Out Heading": four boxes for company, address, zip code line and ID
// number.
class DialogHeader : public Form {
public:
    explicit DialogHeader(App& app) : Form(app) {}

    static constexpr const char* kCaption = "Print Out Heading";

    std::array<std::string, 4> txtHeader{};

    // Every control of the window.
    static std::span<const Control> controls();

    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void Form_Load() override;
    void resetControls() override;
};

}  // namespace qv
