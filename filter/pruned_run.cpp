#include "filter/pruned_run.h"

#include <optional>

#include "filter/count_by_sums.h"
#include "filter/criteria.h"
#include "filter/pruned_search.h"
#include "filter/search_space.h"

namespace xuanhao {

namespace {

// Whether the candidates hold enough odd and even values for an accepted odd count.
bool AnyOddCountReachable(const SearchSpace& space) {
    const Criteria& filters = space.Filters();
    for (std::int32_t odd = 0; odd <= filters.groupSize; ++odd) {
        if (filters.acceptedOddCounts[static_cast<std::size_t>(odd)] &&
            odd <= space.OddAmong(space.Count()) &&
            filters.groupSize - odd <= space.EvenAmong(space.Count())) {
            return true;
        }
    }
    return false;
}

}  // namespace

StageOutcome RunPrunedSearch(ControlPort& window, ProgramState& state, RunLists& lists,
                             const RunOptions& options) {
    const std::int32_t groupSize = state.groupSize;
    const SearchSpace space(lists.candidateValues.Elements(), ReadCriteria(window, groupSize));
    StageOutcome outcome;
    SearchOptions search;
    search.rowLimit = options.keptRowLimit;
    search.progress = options.progress;
    search.onRow = options.onRow;

    SearchResult found;
    const auto counts = options.countBySums ? CountBySums(space) : std::nullopt;
    if (counts) {
        outcome.anyOddEvenHit = counts->oddEven > 0;
        outcome.anySumHit = counts->oddEvenSum > 0;
        outcome.foundCount = counts->all;
        search.countBeyondLimit = false;  // the count is known: stop once the rows are kept
        search.expectedRows =
            static_cast<std::int64_t>(std::min<std::uint64_t>(counts->all, INT64_MAX));
        if (outcome.foundCount > 0) found = SearchCombinations(space, search);
    } else {
        found = SearchCombinations(space, search);
        outcome.foundCount = found.found;
        outcome.anyOddEvenHit = found.found > 0 || AnyOddCountReachable(space);
        outcome.anySumHit = found.found > 0;
        if (!found.cancelled && !outcome.anySumHit && outcome.anyOddEvenHit) {
            // Whether any combination passes the first two filters: the first one found will do.
            SearchOptions firstBySums;
            firstBySums.rowLimit = 1;
            firstBySums.countBeyondLimit = false;
            firstBySums.requirePair = false;
            firstBySums.progress = options.progress;
            const SearchResult sums = SearchCombinations(space, firstBySums);
            outcome.anySumHit = sums.found > 0;
            found.cancelled = sums.cancelled;
        }
    }
    outcome.cancelled = found.cancelled;
    lists.pairHits = List<std::int32_t>(std::move(found.rows));

    // What a full enumeration leaves in pickIndex: its last row, positions groupSize down to 1.
    if (!outcome.cancelled) {
        for (std::int32_t slot = 1; slot <= groupSize; ++slot) state.pickIndex->At(slot) = slot;
    }
    return outcome;
}

}  // namespace xuanhao
