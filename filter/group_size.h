#pragma once

#include <cstdint>
#include <string_view>

namespace xuanhao {

// The group size for the texts of the odd and even count boxes: their values
// added exactly as doubles and wrapped to 32 bits. Nothing is range-tested here.
std::int32_t GroupSizeOf(std::string_view oddText, std::string_view evenText);

}  // namespace xuanhao
