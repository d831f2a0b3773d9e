#pragma once

#include <string>

#include "convert/checked_array.h"
#include "filter/program_state.h"

namespace xuanhao {

// Sorts the candidate texts by TextToInt value, largest first; texts of equal
// value keep their order. The order, and the bound left in sortBound, are those
// of a bubble sort that stops after its first pass without an exchange and
// shortens each pass by one; each text is converted once, in O(n log n).
void SortCandidatesDescending(List<std::string>& texts, ProgramState& state);

}  // namespace xuanhao
