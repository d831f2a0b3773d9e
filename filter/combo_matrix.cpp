#include "filter/combo_matrix.h"

#include "convert/split_text.h"
#include "convert/text_to_int.h"

namespace xuanhao {

CheckedArray<std::int32_t> BuildComboMatrix(const List<std::string>& comboRows,
                                            std::int32_t groupSize, List<std::string>& rowPieces) {
    auto comboMatrix = CheckedArray<std::int32_t>::Table(comboRows.Size(), groupSize);
    const std::int64_t rows = comboRows.Size();
    for (std::int64_t r = 1; r <= rows; ++r) {
        // The separator after the last position adds no item, so each row gives groupSize.
        rowPieces = SplitText(comboRows.At(r), "，", groupSize);
        for (std::int32_t c = 1; c <= groupSize; ++c)
            comboMatrix.At(r, c) = TextToInt(rowPieces.At(c));
    }
    return comboMatrix;
}

}  // namespace xuanhao
