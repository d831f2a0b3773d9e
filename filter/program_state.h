#pragma once

#include <cstdint>
#include <optional>

#include "convert/checked_array.h"

namespace xuanhao {

// Slots of pickIndex: the largest combination a run can enumerate.
inline constexpr std::int32_t kPickIndexSlots = 100;

// pickIndex as start-up creates it: 100 slots, every slot 0.
inline List<std::int32_t> NewPickIndex() {
    List<std::int32_t> pickIndex;
    for (std::int32_t slot = 1; slot <= kPickIndexSlots; ++slot) pickIndex.Append(0);
    return pickIndex;
}

// The program-wide state. It lives from start-up to exit and is never reset
// between runs; every run sets what it reads before reading it.
struct ProgramState {
    std::int32_t groupSize = 0;       // odd count + even count, kept by the window
    std::int32_t candidateCount = 0;  // items of the candidate list of the last run
    std::int32_t rowLength = 0;       // positions every row text of the enumeration lists
    std::int32_t sortBound = 0;       // bound of the last pass of the candidate sort
    std::optional<List<std::int32_t>> pickIndex;  // the position chosen at each depth
};

}  // namespace xuanhao
