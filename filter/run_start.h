#pragma once

#include <cstdint>

#include "filter/control_port.h"
#include "filter/program_state.h"
#include "filter/run_lists.h"

namespace xuanhao {

// The opening of a run: empties 标签9, notes the tick count in tickStart, splits
// the text of 编辑框1 at half-width commas into candidateTexts, sorts them by value
// (largest first) and fills candidateValues. A group size below 1, above the 100
// slots of pickIndex or above the number of candidates is refused with the
// message "组选数 超出范围!"; then it returns false and nothing is sorted.
bool OpenRun(ControlPort& window, ProgramState& state, RunLists& lists, std::int32_t& tickStart);

}  // namespace xuanhao
