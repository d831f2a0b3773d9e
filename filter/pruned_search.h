#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "filter/search_space.h"

namespace xuanhao {

// Reports how far a search has come (0..1 of the combinations) and how many rows
// it has found; returns false to cancel.
using ProgressCheck = std::function<bool(double fractionDone, std::uint64_t found)>;

// Receives each surviving row, groupSize values, smallest first; false stops.
using RowStream = std::function<bool(const std::int32_t* values)>;

struct SearchOptions {
    std::int64_t rowLimit = 0;      // rows to keep
    std::int64_t expectedRows = 0;  // room to make for the kept rows at once
    bool countBeyondLimit = true;   // go on counting once the rows are kept, or stop there
    bool requirePair = true;        // apply the pair test (off: the first two filters only)
    ProgressCheck progress;         // asked every few thousand steps
    RowStream onRow;                // when set, every row goes here and none is kept
};

struct SearchResult {
    std::uint64_t found = 0;
    std::vector<std::int32_t>
        rows;  // the first rowLimit rows, groupSize values each, smallest first
    bool cancelled = false;
};

// Visits the combinations of groupSize positions in the order of the plain
// enumeration (depth first, each level choosing its position from high to low)
// and yields those that pass the filters. Subtrees that no row of which can pass
// are skipped: by the odd and even values still available, by the least and
// greatest sums still reachable (exactly, across the 32-bit wrap), and at the
// last member by the ranges of values that complete the sum and the pair.
SearchResult SearchCombinations(const SearchSpace& space, const SearchOptions& options);

}  // namespace xuanhao
