// Alabama: gross pay less a standard deduction looked up by gross pay, a
// personal exemption, the federal tax withheld and a dependent allowance,
// taxed at 2, 4 and 5 percent. Every amount is built in; the dialog's tables
// play no part.
#include <array>
#include <string>

#include "state/methods/method_support.h"
#include "state/state_methods.h"

namespace qv {
namespace {

// A standard-deduction schedule: 21 bands by gross pay. A band covers gross
// pay over the previous band's upper bound up to and including its own.
struct Schedule {
    const std::array<float, 20>& upper;
    std::array<double, 21> deduction;
};

constexpr std::array<float, 20> kBiWeeklyBounds = {
    788.46f,  807.69f,  826.99f,  846.15f,  865.38f,  884.62f,  903.85f,  923.08f,  942.31f,  961.54f,
    980.77f,  1000.00f, 1019.23f, 1038.46f, 1057.69f, 1076.92f, 1096.15f, 1115.38f, 1134.62f, 1153.85f};
constexpr std::array<float, 20> kHalfBounds = {
    394.23f, 403.85f, 413.46f, 423.08f, 432.69f, 442.31f, 451.92f, 461.54f, 471.15f, 480.77f,
    490.38f, 500.00f, 509.62f, 519.23f, 528.85f, 538.46f, 548.08f, 557.69f, 567.31f, 576.92f};
constexpr std::array<float, 20> kQuarterBounds = {
    197.12f, 201.92f, 206.73f, 211.54f, 216.35f, 221.15f, 225.96f, 230.77f, 235.58f, 240.38f,
    245.19f, 250.00f, 254.81f, 259.62f, 264.42f, 269.23f, 274.04f, 278.85f, 283.65f, 288.46f};

constexpr Schedule kBiWeeklySingle{kBiWeeklyBounds,
                                   {96.15, 95.19, 94.23, 93.27, 92.31, 91.35, 90.38, 89.42, 88.46, 87.50, 86.54,
                                    85.58, 84.62, 83.65, 82.69, 81.73, 80.77, 79.81, 78.85, 77.88, 76.92}};
constexpr Schedule kBiWeeklyMarried{kBiWeeklyBounds,
                                    {288.46, 281.73, 275.00, 268.27, 261.54, 254.81, 248.08,
                                     241.35, 234.62, 227.88, 221.15, 214.42, 207.69, 200.96,
                                     194.23, 187.50, 180.77, 174.04, 167.31, 160.58, 153.85}};
constexpr Schedule kBiWeeklyMarriedSingle{kHalfBounds,
                                          {144.23, 140.85, 137.46, 134.08, 130.69, 127.31, 123.92,
                                           120.54, 117.15, 113.77, 110.38, 107.00, 103.62, 100.23,
                                           96.85,  93.46,  90.08,  86.69,  83.31,  79.92,  76.92}};
constexpr Schedule kWeeklySingle{kHalfBounds,
                                 {48.08, 47.60, 47.12, 46.63, 46.15, 45.67, 45.19, 44.71, 44.23, 43.75, 43.27,
                                  42.79, 42.31, 41.83, 41.35, 40.87, 40.38, 39.90, 39.42, 38.94, 38.46}};
constexpr Schedule kWeeklyMarried{kHalfBounds,
                                  {144.23, 140.77, 137.50, 134.13, 130.77, 127.40, 124.04,
                                   120.67, 117.31, 113.94, 110.58, 107.21, 103.85, 100.48,
                                   97.12,  93.75,  90.38,  87.02,  83.65,  80.29,  76.92}};
constexpr Schedule kWeeklyMarriedSingle{kQuarterBounds,
                                        {72.12, 70.42, 68.73, 67.04, 65.35, 63.65, 61.96, 60.27, 58.58, 56.88, 55.19,
                                         53.50, 51.81, 50.12, 48.42, 46.73, 45.04, 43.35, 41.65, 39.96, 38.46}};

double deductionFrom(const Schedule& s, float gross) {
    for (std::size_t band = 0; band < s.upper.size(); ++band)
        if (gross <= s.upper[band]) return s.deduction[band];
    return s.deduction.back();
}

// The schedule the pair of statuses selects; none for a federal single filer
// who files married for the state (and for any status that is neither).
const Schedule* scheduleFor(const std::string& fed, const std::string& state, bool biWeekly) {
    if (fed == "Single" && state == "Single") return biWeekly ? &kBiWeeklySingle : &kWeeklySingle;
    if (fed == "Married" && state == "Single") return biWeekly ? &kBiWeeklyMarriedSingle : &kWeeklyMarriedSingle;
    if (fed == "Married" && state == "Married") return biWeekly ? &kBiWeeklyMarried : &kWeeklyMarried;
    return nullptr;
}

// The 2 % band runs up to A, the 4 % band up to B; above B the tax is 5 % on
// the excess plus the tax of the two lower bands, written as two amounts.
struct Rates {
    double a;
    double b;
    double firstBand;   // tax of the 2 % band
    double secondBand;  // tax of the 4 % band
};

constexpr Rates kBiWeeklySingleRates{19.23, 115.38, 0.3846, 3.846};
constexpr Rates kBiWeeklyMarriedRates{38.46, 230.77, 0.7692, 7.6924};
constexpr Rates kWeeklySingleRates{9.62, 57.69, 0.1924, 1.9232};
constexpr Rates kWeeklyMarriedRates{19.23, 115.38, 0.3846, 3.846};

}  // namespace

void GetAlabama(const StateMethodInput& in, PayPeriod& p) {
    // A count from a hand-edited file is taken as the nearest of 0 to 9
    // dependents, as every method reads its allowance entry: a negative count
    // must not raise the tax.
    const int n = methods::entryFor(in.profile.StateExemptions);
    const EmployeeProfile& e = in.profile;
    // Anything but bi-weekly pay is computed with the weekly amounts.
    const bool biWeekly = e.BiWeekly;
    const float gross = p.GrossPay;
    const bool single = e.StateStatus == "Single";

    // Dependent allowance: the rate per dependent falls as the pay rises.
    double perDependent;
    if (biWeekly)
        perDependent = gross > 3846.15f ? 11.54 : (gross > 769.23f ? 19.23 : 38.46);
    else
        perDependent = gross > 1923.08f ? 5.77 : (gross > 384.62f ? 9.62 : 19.23);
    const long double dependents = static_cast<long double>(n) * perDependent;

    const Schedule* schedule = scheduleFor(e.FedStatus, e.StateStatus, biWeekly);
    const double standard = schedule != nullptr ? deductionFrom(*schedule, gross) : 0;
    const double personal = biWeekly ? (single ? 57.69 : 115.38) : (single ? 28.85 : 57.69);

    const float wage = sgl(ext(gross) - (static_cast<long double>(standard) + personal + ext(p.FedTax) + dependents));

    const Rates& r = biWeekly ? (single ? kBiWeeklySingleRates : kBiWeeklyMarriedRates)
                              : (single ? kWeeklySingleRates : kWeeklyMarriedRates);
    // The bounds are compared as singles, as the wage is one.
    const float a = static_cast<float>(r.a);
    const float b = static_cast<float>(r.b);
    long double tax = 0;
    if (wage <= a) tax = ext(wage) * 0.02;
    if (wage > a && wage <= b) tax = (ext(wage) - r.a) * 0.04 + r.firstBand;
    if (wage > b) tax = (ext(wage) - r.b) * 0.05 + r.firstBand + r.secondBand;
    p.StateTax = static_cast<double>(tax);
}

}  // namespace qv
