#pragma once

#include <cstdint>

#include "convert/checked_array.h"
#include "filter/control_port.h"

namespace xuanhao {

// Whether a row with these counts passes the ratio test against the wanted
// counts: oddCount / evenCount nearly equals wantedOdd / wantedEven, the
// divisions done in doubles where a division by zero gives an infinity or NaN.
bool RatioAccepted(std::int32_t oddCount, std::int32_t evenCount, std::int32_t wantedOdd,
                   std::int32_t wantedEven);

// The rows of comboMatrix whose values have the wanted ratio of odd to even
// members (the counts typed into 奇数编辑框 and 偶数编辑框), as a value-row table:
// each row's values looked up in candidateValues, in column order. Shaped as
// rows x groupSize when not empty.
List<std::int32_t> FilterByOddEvenRatio(const CheckedArray<std::int32_t>& comboMatrix,
                                        const CheckedArray<std::int32_t>& candidateValues,
                                        std::int32_t groupSize, ControlPort& window);

}  // namespace xuanhao
