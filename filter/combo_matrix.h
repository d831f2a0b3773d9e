#pragma once

#include <cstdint>
#include <string>

#include "convert/checked_array.h"

namespace xuanhao {

// Parses the row texts back into a table of positions with groupSize columns:
// row r, column c is the c-th position of row text r. rowPieces holds the split
// of the row being parsed.
CheckedArray<std::int32_t> BuildComboMatrix(const List<std::string>& comboRows,
                                            std::int32_t groupSize, List<std::string>& rowPieces);

}  // namespace xuanhao
