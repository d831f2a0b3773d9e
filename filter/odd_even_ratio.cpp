#include "filter/odd_even_ratio.h"

#include "convert/reals.h"
#include "convert/text_to_int.h"
#include "filter/control_names.h"
#include "filter/value_rows.h"

namespace xuanhao {

bool RatioAccepted(std::int32_t oddCount, std::int32_t evenCount, std::int32_t wantedOdd,
                   std::int32_t wantedEven) {
    const double rowRatio = static_cast<double>(oddCount) / static_cast<double>(evenCount);
    const double wantedRatio = static_cast<double>(wantedOdd) / static_cast<double>(wantedEven);
    return NearlyEqual(rowRatio, wantedRatio);
}

List<std::int32_t> FilterByOddEvenRatio(const CheckedArray<std::int32_t>& comboMatrix,
                                        const CheckedArray<std::int32_t>& candidateValues,
                                        std::int32_t groupSize, ControlPort& window) {
    // The window takes no input during a run, so every row sees these two values.
    const std::int32_t wantedOdd = TextToInt(window.GetControlText(controls::奇数编辑框));
    const std::int32_t wantedEven = TextToInt(window.GetControlText(controls::偶数编辑框));
    List<std::int32_t> oddEvenHits;
    const std::int32_t rows = RowCount(comboMatrix.Size(), groupSize);
    for (std::int32_t r = 1; r <= rows; ++r) {
        std::int32_t oddCount = 0;
        std::int32_t evenCount = 0;
        for (std::int32_t c = 1; c <= groupSize; ++c) {
            const std::int32_t value = candidateValues.At(comboMatrix.At(r, c), 1);
            IsOdd(value) ? ++oddCount : ++evenCount;
        }
        if (!RatioAccepted(oddCount, evenCount, wantedOdd, wantedEven)) continue;
        for (std::int32_t c = 1; c <= groupSize; ++c) {
            oddEvenHits.Append(candidateValues.At(comboMatrix.At(r, c), 1));
        }
    }
    if (!oddEvenHits.Empty()) ShapeAsRows(oddEvenHits, groupSize);
    return oddEvenHits;
}

}  // namespace xuanhao
