#include "filter/decomposition.h"

#include "convert/reals.h"
#include "convert/text_to_int.h"
#include "filter/control_names.h"
#include "filter/value_rows.h"

namespace xuanhao {

bool RowHasPair(const CheckedArray<std::int32_t>& table, std::int32_t r, std::int32_t groupSize,
                std::int32_t target) {
    for (std::int32_t f = 1; f <= groupSize; ++f) {
        for (std::int32_t u = f + 1; u <= groupSize; ++u) {
            const double pairSum =
                static_cast<double>(table.At(r, f)) + static_cast<double>(table.At(r, u));
            if (NearlyEqual(pairSum, static_cast<double>(target))) return true;
        }
    }
    return false;
}

List<std::int32_t> FilterByDecomposition(const List<std::int32_t>& sumHits, std::int32_t groupSize,
                                         ControlPort& window) {
    const std::int32_t target = TextToInt(window.GetControlText(controls::分解数编辑框));
    List<std::int32_t> pairHits;
    const std::int32_t rows = RowCount(sumHits.Size(), groupSize);
    for (std::int32_t r = 1; r <= rows; ++r) {
        if (RowHasPair(sumHits, r, groupSize, target)) AppendRow(sumHits, r, groupSize, pairHits);
    }
    if (!pairHits.Empty()) ShapeAsRows(pairHits, groupSize);
    return pairHits;
}

}  // namespace xuanhao
