// An exemption count outside 0 to 9 reaches a state method from a hand-edited
// file or a direct call. Every method that reads the count taxes it as the
// nearest of 0 to 9: below 0 as 0, above 9 as 9.
#include "state/methods/state_method_fixture.h"

namespace qv {
namespace {

using testing_support::Pay;
using testing_support::StateMethodTest;

struct CountedMethod {
    const char* name;
    void (DialogState::*preset)();
    void (*setWages)(PayPeriod&);
    StateMethod method;
};

const CountedMethod kMethods[] = {
    {"Oregon", &DialogState::OregonSet,
     [](PayPeriod& p) {
         p.GrossPay = 1000;
         p.FedTax = 100;
     },
     GetOregonTax},
    {"Missouri", &DialogState::MissouriSet, [](PayPeriod& p) { p.TaxableWages = 1500; }, GetMissouriTax},
    {"Iowa", &DialogState::IowaSet, [](PayPeriod& p) { p.TaxableWages = 1200; }, GetIowaTax},
    {"Kentucky", &DialogState::KentuckySet, [](PayPeriod& p) { p.GrossPay = 1000; }, GetKentuckyTax},
    {"Massachusetts", &DialogState::MassSet, [](PayPeriod& p) { p.GrossPay = 1000; }, GetMassTax},
    // Alabama reads no allowance column: the count is its number of dependents.
    {"Alabama", &DialogState::AlabamaSet, [](PayPeriod& p) { p.GrossPay = 1000; }, GetAlabama},
};

class OddCounts : public StateMethodTest {
protected:
    NumOrText taxFor(const CountedMethod& m, int count) {
        resetPeriod();
        m.setWages(app.period);
        run(m.method, count);
        return app.period.StateTax;
    }
};

TEST_F(OddCounts, TaxAsTheNearestAllowanceEntry) {
    const std::pair<int, int> counts[] = {{-1, 0}, {-7, 0}, {-32768, 0}, {10, 9}, {100, 9}, {32767, 9}};
    for (const CountedMethod& m : kMethods) {
        SCOPED_TRACE(m.name);
        employee(Pay::BiWeekly, "Single", 0);
        applyPreset(m.preset);
        const NumOrText none = taxFor(m, 0);
        const NumOrText nine = taxFor(m, 9);
        // Otherwise the comparisons below could not tell the two ends apart.
        ASSERT_NE(none.number(), nine.number());
        for (const auto& [odd, entry] : counts) {
            const NumOrText tax = taxFor(m, odd);
            const NumOrText& expected = entry == 0 ? none : nine;
            EXPECT_TRUE(tax == expected) << odd << " exemptions taxed " << tax.number() << ", entry " << entry
                                         << " taxes " << expected.number();
        }
    }
}

}  // namespace
}  // namespace qv
