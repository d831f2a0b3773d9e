#pragma once

#include <cstdint>
#include <string>

namespace xuanhao {

// Decimal digits, with '-' before a negative value; no '+', padding or grouping.
std::string NumberToText(std::int32_t value);
std::string NumberToText(std::uint64_t value);

// A real of magnitude in [0.0001, 10^13), or zero: rounded to 13 significant
// digits in plain decimal notation, trailing fraction zeros and a bare point
// removed (196.0 gives "196", 2.5 gives "2.5"). Other magnitudes, NaN and the
// infinities are written in a short exponent form.
std::string NumberToText(double value);

}  // namespace xuanhao
