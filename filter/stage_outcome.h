#pragma once

#include <cstdint>

namespace xuanhao {

// What an engine found out in a run: which stages any combination passed, how
// many passed all three (their first rows are kept in the run's pairHits), and
// whether the user cancelled the run.
struct StageOutcome {
    bool anyOddEvenHit = false;
    bool anySumHit = false;
    std::uint64_t foundCount = 0;
    bool cancelled = false;
};

}  // namespace xuanhao
