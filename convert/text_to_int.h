#pragma once

#include <cstdint>
#include <string_view>

namespace xuanhao {

// The integer a text stands for. Full-width digits, plus, minus and the
// ideographic space count as their ASCII forms; leading white space is skipped,
// one sign is taken, then decimal digits up to the first other character,
// accumulated modulo 2^32. A text without digits there gives 0. Never fails.
std::int32_t TextToInt(std::string_view text);

// The same reading without the full-width forms: only ASCII white space, signs
// and digits count (the reading of the spin arrows).
std::int32_t PlainTextToInt(std::string_view text);

// A real truncated toward zero, keeping the low 32 bits of its 64-bit integer
// value. NaN, the infinities and values outside the signed 64-bit range give 0.
std::int32_t RealToInt(double x);

// Two's-complement wrap of an exact integer into 32 bits.
constexpr std::int32_t WrapToInt32(std::int64_t exact) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(exact)));
}

}  // namespace xuanhao
