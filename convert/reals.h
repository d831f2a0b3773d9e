#pragma once

#include <cstdint>

namespace xuanhao {

// The tolerance of every comparison of reals.
inline constexpr double kTolerance = 1e-7;

// False only when |a - b| > 1e-7: the bound is inside, and a NaN difference
// (a NaN operand, or two infinities of the same sign) counts as equal.
bool NearlyEqual(double a, double b);

// Whether the remainder of v / 2, with the sign of v, is nearly 1. Negative odd
// values have the remainder -1 and are not odd.
bool IsOdd(std::int32_t v);

// Rounding to nearest and every floating-point exception masked.
void ResetFloatingPointEnvironment();

}  // namespace xuanhao
