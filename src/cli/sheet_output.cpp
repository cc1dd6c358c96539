#include "cli/sheet_output.h"

#include <charconv>
#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/report.h"
#include "common/text_encoding.h"
#include "paysheet/form1.h"

namespace qv::cli {

namespace {

// A single as the shortest decimal that reads back to the same single, so
// the JSON number a script reads is the value the program holds.
double asJsonNumber(float v) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    double d = 0;
    std::from_chars(buf, end, d);
    return d;
}

double asJsonNumber(const NumOrText& v) {
    if (v.isSingle()) return asJsonNumber(static_cast<float>(v.number()));
    return v.number();
}

void line(std::ostream& out, std::string_view caption, const std::string& value, int indent = 2) {
    out << std::string(static_cast<std::size_t>(indent), ' ') << std::left << std::setw(30) << caption << std::right
        << std::setw(14) << value << "\n";
}

}  // namespace

void printSheetText(std::ostream& out, App& app, const platform::ScriptedUi& ui) {
    Form1& s = app.form1();
    out << s.Caption << "\n";
    out << "User: " << s.lbUser << "\n";
    out << Form1::kWeekEndingLabel << " " << s.txtWeek << "\n";
    out << Form1::kFederalTableLabel << "  " << s.lbTaxVer << "\n";
    if (!s.lbTableNotice.empty()) out << s.lbTableNotice << "\n";
    if (s.ckLouisPriorVisible)
        out << "[" << (s.ckLouisPrior ? "x" : " ") << "] " << Form1::kLouisPriorCaption << "\n";

    out << "\n" << Form1::kHoursFrame << "\n";
    for (std::size_t i = 0; i < s.txtAmount.size(); ++i) {
        std::string caption(Form1::kAmountCaptions[i]);
        if (i == 2) caption += s.opt2x ? " (2X)" : " (1X)";
        line(out, caption, s.txtAmount[i]);
    }

    out << "\n" << Form1::kTaxesFrame << "\n";
    for (std::size_t i = 0; i < s.lbTaxDed.size(); ++i) line(out, s.lbTaxTag[i], s.lbTaxDed[i]);
    line(out, s.lbTaxTag[14], s.lbSDI);
    line(out, s.lbTaxTag[15], s.lbSUI);
    line(out, s.lbTaxTag[16], s.lbCafe);

    out << "\n";
    line(out, s.lbTaxTag[11], s.lbOverT, 0);
    line(out, s.lbTaxTag[17], s.lbTips, 0);

    out << "\n" << Form1::kResultsFrame << "\n";
    line(out, Form1::kGrossCaption, s.lbGross);
    line(out, Form1::kTaxesCaption, s.lbTaxes);
    line(out, Form1::kDeductCaption, s.lbDeduct);
    line(out, Form1::kNetCaption, s.lbNet);

    const auto messages = ui.messages();
    if (!messages.empty()) {
        out << "\nMessages\n";
        for (const auto& m : messages) reportMessage(out, m);
    }
}

std::string sheetJson(App& app, const platform::ScriptedUi& ui) {
    using nlohmann::ordered_json;
    Form1& s = app.form1();
    const PayPeriod& p = app.period;
    ordered_json j;
    j["title"] = s.Caption;
    j["lbUser"] = s.lbUser;
    j["lbTaxVer"] = s.lbTaxVer;
    j["lbTableNotice"] = s.lbTableNotice;
    j["txtWeek"] = s.txtWeek;
    j["txtAmount"] = s.txtAmount;
    j["lbTaxTag"] = std::vector<std::string>(s.lbTaxTag.begin(), s.lbTaxTag.begin() + 11);
    j["lbTaxDed"] = s.lbTaxDed;
    j["lbSDI"] = s.lbSDI;
    j["lbSUI"] = s.lbSUI;
    j["lbCafe"] = s.lbCafe;
    j["lbGross"] = s.lbGross;
    j["lbTaxes"] = s.lbTaxes;
    j["lbDeduct"] = s.lbDeduct;
    j["lbNet"] = s.lbNet;
    j["lbOverT"] = s.lbOverT;
    j["lbTips"] = s.lbTips;

    ordered_json v;
    v["PayRate"] = asJsonNumber(p.PayRate);
    v["StrPay"] = asJsonNumber(p.StrPay);
    v["StrPay2"] = asJsonNumber(p.StrPay2);
    v["TotalOt"] = asJsonNumber(p.TotalOt);
    v["TotalTips"] = asJsonNumber(p.TotalTips);
    v["TipsPay"] = asJsonNumber(p.TipsPay);
    v["GrossPay"] = asJsonNumber(p.GrossPay);
    v["KPlanAmt"] = asJsonNumber(p.KPlanAmt);
    v["PensionAmt"] = asJsonNumber(p.PensionAmt);
    v["TaxableWages"] = asJsonNumber(p.TaxableWages);
    v["FedAllow"] = asJsonNumber(p.FedAllow);
    v["FedWages"] = asJsonNumber(p.FedWages);
    v["FedTax"] = asJsonNumber(p.FedTax);
    v["SocSec"] = asJsonNumber(p.SocSec);
    v["Medicare"] = asJsonNumber(p.Medicare);
    v["SsWages"] = asJsonNumber(p.SsWages);
    v["SsRoom"] = asJsonNumber(p.SsRoom);
    v["StateExemption"] = asJsonNumber(p.StateExemption);
    v["LocalExemption"] = asJsonNumber(p.LocalExemption);
    v["CafeAmt"] = asJsonNumber(p.CafeAmt);
    v["CafeState"] = asJsonNumber(p.CafeState);
    v["StateTax"] = asJsonNumber(p.StateTax);
    v["LocalTax"] = asJsonNumber(p.LocalTax);
    v["SdiAmt"] = asJsonNumber(p.SdiAmt);
    v["SuiAmt"] = asJsonNumber(p.SuiAmt);
    v["SdiYtdWages"] = asJsonNumber(p.SdiYtdWages);
    v["SuiYtdWages"] = asJsonNumber(p.SuiYtdWages);
    v["TaxDeduct"] = asJsonNumber(p.TaxDeduct);
    v["TotDeduct"] = asJsonNumber(p.TotDeduct);
    v["NetPay"] = asJsonNumber(p.NetPay);
    v["MyTips"] = asJsonNumber(p.MyTips);
    v["StateWage"] = asJsonNumber(p.StateWage);
    v["CityWage"] = asJsonNumber(p.CityWage);
    v["TotGross"] = app.ledger.TotGross.toDouble();
    j["values"] = v;
    j["messages"] = ui.messages();
    return jsonText(std::move(j));
}

namespace {

void decodeStrings(nlohmann::ordered_json& j) {
    if (j.is_string()) {
        j = displayText(j.get_ref<const std::string&>());
    } else if (j.is_structured()) {
        for (auto& item : j) decodeStrings(item);
    }
}

}  // namespace

std::string jsonText(nlohmann::ordered_json j) {
    decodeStrings(j);
    return j.dump(2);
}

int printSheet(Session& session, bool json, int status) {
    if (json)
        std::cout << sheetJson(*session.app, session.ui) << "\n";
    else
        printSheetText(std::cout, *session.app, session.ui);
    return status;
}

}  // namespace qv::cli
