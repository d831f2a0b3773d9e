#include "filter/sum_range.h"

#include "convert/text_to_int.h"
#include "filter/control_names.h"
#include "filter/value_rows.h"

namespace xuanhao {

std::int32_t WrappedRowSum(const CheckedArray<std::int32_t>& table, std::int32_t r,
                           std::int32_t groupSize) {
    std::uint32_t sum = 0;
    for (std::int32_t c = 1; c <= groupSize; ++c) sum += static_cast<std::uint32_t>(table.At(r, c));
    return static_cast<std::int32_t>(sum);
}

List<std::int32_t> FilterBySumRange(const List<std::int32_t>& oddEvenHits, std::int32_t groupSize,
                                    ControlPort& window) {
    const std::int32_t lowerBound = TextToInt(window.GetControlText(controls::前数文本框));
    const std::int32_t upperBound = TextToInt(window.GetControlText(controls::后数文本框));
    List<std::int32_t> sumHits;
    const std::int32_t rows = RowCount(oddEvenHits.Size(), groupSize);
    for (std::int32_t r = 1; r <= rows; ++r) {
        const std::int32_t sum = WrappedRowSum(oddEvenHits, r, groupSize);
        if (sum > lowerBound && sum < upperBound) AppendRow(oddEvenHits, r, groupSize, sumHits);
    }
    if (!sumHits.Empty()) ShapeAsRows(sumHits, groupSize);
    return sumHits;
}

}  // namespace xuanhao
