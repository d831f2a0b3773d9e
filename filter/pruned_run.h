#pragma once

#include "filter/control_port.h"
#include "filter/program_state.h"
#include "filter/run.h"
#include "filter/run_lists.h"
#include "filter/stage_outcome.h"

namespace xuanhao {

// The fast way through a run, after its opening, with the same outcome as the
// text round trip: counts by sums where the values allow it, and a pruned
// search for the kept rows (and for the count where they do not).
StageOutcome RunPrunedSearch(ControlPort& window, ProgramState& state, RunLists& lists,
                             const RunOptions& options);

}  // namespace xuanhao
