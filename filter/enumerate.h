#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "filter/program_state.h"

namespace xuanhao {

// Receives each row text as it is completed; returns false to stop the enumeration.
using RowSink = std::function<bool(std::string&& rowText)>;

// Every combination of k positions out of 1..m, depth first, each level choosing
// its position from m down: slot k of pickIndex holds the position chosen at
// depth k. A complete row is written as slots rowLength down to 1, each followed
// by "，", and handed to rows. Returns false when rows asked to stop.
bool EnumerateCombinations(std::int32_t m, std::int32_t k, ProgramState& state,
                           const RowSink& rows);

}  // namespace xuanhao
