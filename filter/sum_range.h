#pragma once

#include <cstdint>

#include "convert/checked_array.h"
#include "filter/control_port.h"

namespace xuanhao {

// The 32-bit sum of a row: every addition keeps the low 32 bits.
std::int32_t WrappedRowSum(const CheckedArray<std::int32_t>& table, std::int32_t r,
                           std::int32_t groupSize);

// The rows of oddEvenHits whose wrapped sum lies strictly between the values of
// 前数文本框 and 后数文本框 (signed comparisons), in their order, shaped as
// rows x groupSize when not empty.
List<std::int32_t> FilterBySumRange(const List<std::int32_t>& oddEvenHits, std::int32_t groupSize,
                                    ControlPort& window);

}  // namespace xuanhao
