#pragma once

#include <cstdint>

#include "convert/checked_array.h"
#include "filter/control_port.h"

namespace xuanhao {

// Whether two members at different columns of row r add up to target, the sum
// formed exactly (it does not wrap) and compared with NearlyEqual.
bool RowHasPair(const CheckedArray<std::int32_t>& table, std::int32_t r, std::int32_t groupSize,
                std::int32_t target);

// The rows of sumHits that hold a pair adding up to the value of 分解数编辑框,
// in their order, shaped as rows x groupSize when not empty.
List<std::int32_t> FilterByDecomposition(const List<std::int32_t>& sumHits, std::int32_t groupSize,
                                         ControlPort& window);

}  // namespace xuanhao
