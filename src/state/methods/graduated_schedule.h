// A built-in graduated schedule: brackets that exclude their lower bound and
// include their upper bound, a rate on the excess over the lower bound, and a
// base (the tax at the lower bound) accumulated bracket by bracket as a
// single, exactly as the published tables add their steps. The first bracket
// taxes the whole wage, so a negative wage gives a negative tax there.
#pragma once

#include <array>
#include <cstddef>

#include "common/numbers.h"

namespace qv::methods {

template <std::size_t N>
struct GraduatedSchedule {
    std::array<float, N - 1> upper;      // upper bound of brackets 0 .. N-2; the last is open
    std::array<double, N> rate;          // rate of each bracket
    std::array<double, N - 1> baseStep;  // base of bracket k+1 = base of bracket k + baseStep[k]

    // The tax on `wage`, in extended precision; the caller stores it.
    long double tax(float wage) const {
        if (wage <= upper[0]) return ext(wage) * rate[0];
        float base = 0;
        for (std::size_t k = 1; k < N; ++k) {
            base = sgl(ext(base) + baseStep[k - 1]);
            if (k == N - 1 || wage <= upper[k]) return (ext(wage) - ext(upper[k - 1])) * rate[k] + ext(base);
        }
        return 0;  // not reached: the last bracket is open
    }
};

}  // namespace qv::methods
