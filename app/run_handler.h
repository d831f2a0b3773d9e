#pragma once

#include "filter/control_port.h"
#include "filter/program_state.h"
#include "filter/run.h"

class QWidget;

namespace xuanhao {

// The click of 按钮1: one whole filter run over the texts of the window, with a
// progress dialog over `owner` when it takes long.
RunResult OnStartClicked(ControlPort& window, ProgramState& state, QWidget* owner);

}  // namespace xuanhao
