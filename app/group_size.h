#pragma once

#include "filter/control_port.h"
#include "filter/program_state.h"

namespace xuanhao {

// Sets groupSize to the sum of the odd and even counts typed into the window and
// shows it in 组选数编辑框. Runs at the window's created event and after every
// change of either count box.
void RecomputeGroupSize(ControlPort& window, ProgramState& state);

}  // namespace xuanhao
