#pragma once

#include <cstdint>
#include <string>

#include "convert/checked_array.h"

namespace xuanhao {

// The lists and texts of one run. They are created empty at the click and all
// released at the run's common end; nothing of one run reaches the next.
struct RunLists {
    List<std::string> candidateTexts;  // the candidate list, sorted by value, largest first
    CheckedArray<std::int32_t> candidateValues;  // candidateCount x 1: the value of each position
    List<std::string> comboRows;                 // the row texts of the chunk being enumerated
    List<std::string> rowPieces;                 // the split of the row text being parsed
    CheckedArray<std::int32_t> comboMatrix;      // the chunk's rows as positions, groupSize columns
    List<std::int32_t> oddEvenHits;  // the chunk's rows with the wanted odd count, as values
    List<std::int32_t> sumHits;      // of those, the rows with a sum inside the bounds
    List<std::int32_t> pairHits;     // the surviving rows kept, at most kKeptRowLimit of them

    void Release() {
        candidateTexts.Release();
        candidateValues.Release();
        comboRows.Release();
        rowPieces.Release();
        comboMatrix.Release();
        oddEvenHits.Release();
        sumHits.Release();
        pairHits.Release();
    }
};

}  // namespace xuanhao
