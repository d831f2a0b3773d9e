#include "app/globals.h"

namespace xuanhao {

ProgramState& Globals() {
    static ProgramState state;
    return state;
}

void InitGlobals() { Globals().pickIndex = NewPickIndex(); }

void ReleaseGlobals() { Globals().pickIndex.reset(); }

}  // namespace xuanhao
