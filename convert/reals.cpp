#include "convert/reals.h"

#include <cfenv>
#include <cmath>

namespace xuanhao {

bool NearlyEqual(double a, double b) {
    const double d = a - b;
    return !(std::fabs(d) > kTolerance);
}

bool IsOdd(std::int32_t v) {
    const double remainder = std::fmod(static_cast<double>(v), 2.0);
    return NearlyEqual(remainder, 1.0);
}

void ResetFloatingPointEnvironment() {
    std::fesetround(FE_TONEAREST);
    std::fenv_t previous;
    std::feholdexcept(
        &previous);  // clears the flags and masks every exception; `previous` is dropped
}

}  // namespace xuanhao
