#pragma once

#include <cstdint>
#include <optional>

#include "filter/search_space.h"

namespace xuanhao {

// How many combinations pass the first filter, the first two, and all three.
struct StageCounts {
    std::uint64_t oddEven = 0;
    std::uint64_t oddEvenSum = 0;
    std::uint64_t all = 0;
};

// Counts without visiting the combinations, by a dynamic programme over
// (members, odd members, exact sum) taken value by value; the pair test is
// counted as its complement, the combinations in which no two members add up to
// the target. Gives nothing when the sums span too wide a range for the work
// budget, or when a count could leave 64 bits.
std::optional<StageCounts> CountBySums(const SearchSpace& space, double workBudget = 2e8);

}  // namespace xuanhao
