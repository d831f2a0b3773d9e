#pragma once

#include "filter/program_state.h"

namespace xuanhao {

// The program-wide state, from start-up to exit.
ProgramState& Globals();

// Creates pickIndex with its 100 slots, every slot 0.
void InitGlobals();

// Releases pickIndex. Registered as the exit routine; never called directly.
void ReleaseGlobals();

}  // namespace xuanhao
