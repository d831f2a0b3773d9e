#pragma once

#include "filter/control_port.h"
#include "filter/program_state.h"
#include "filter/run.h"
#include "filter/run_lists.h"
#include "filter/stage_outcome.h"

namespace xuanhao {

// The plain way through a run, after its opening: every combination written as
// a row text, parsed back into comboMatrix and taken through the three filter
// stages, a chunk of rows at a time.
StageOutcome RunTextRoundTrip(ControlPort& window, ProgramState& state, RunLists& lists,
                              const RunOptions& options);

}  // namespace xuanhao
