#include "app/run_handler.h"

#include "filter/run.h"

namespace xuanhao {

void OnStartClicked(ControlPort& window, ProgramState& state) { RunFilter(window, state); }

}  // namespace xuanhao
