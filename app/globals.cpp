#include "app/globals.h"

namespace xuanhao {

ProgramState& Globals() {
    static ProgramState state;
    return state;
}

void InitGlobals() {
    List<std::int32_t> emptySlots;
    for (std::int32_t slot = 1; slot <= kPickIndexSlots; ++slot) emptySlots.Append(0);
    Globals().pickIndex = std::move(emptySlots);
}

void ReleaseGlobals() { Globals().pickIndex.reset(); }

}  // namespace xuanhao
