#pragma once

#include <cstdint>

#include "convert/checked_array.h"
#include "convert/text_to_int.h"

namespace xuanhao {

// The row count of a value-row table: its length divided by groupSize, in double
// precision, which is exact since the length is a multiple of groupSize.
inline std::int32_t RowCount(std::int64_t length, std::int32_t groupSize) {
    return RealToInt(static_cast<double>(length) / static_cast<double>(groupSize));
}

// Gives a filled, non-empty value-row table the shape rows x groupSize; every
// value stays where it is.
inline void ShapeAsRows(List<std::int32_t>& table, std::int32_t groupSize) {
    table.Dimension({RowCount(table.Size(), groupSize), groupSize});
}

// Appends row r of a table of groupSize columns to a value-row table.
inline void AppendRow(const CheckedArray<std::int32_t>& from, std::int32_t r,
                      std::int32_t groupSize, List<std::int32_t>& to) {
    for (std::int32_t c = 1; c <= groupSize; ++c) to.Append(from.At(r, c));
}

}  // namespace xuanhao
