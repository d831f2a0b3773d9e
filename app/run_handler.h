#pragma once

#include "filter/control_port.h"
#include "filter/program_state.h"

namespace xuanhao {

// The click of 按钮1: one whole filter run over the texts of the window.
void OnStartClicked(ControlPort& window, ProgramState& state);

}  // namespace xuanhao
