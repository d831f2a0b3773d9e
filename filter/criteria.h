#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "filter/control_port.h"

namespace xuanhao {

// What the three filters of a run test, read once from the window.
struct Criteria {
    std::int32_t groupSize = 0;
    std::vector<std::uint8_t> acceptedOddCounts;  // index: odd members of a row, 0..groupSize
    std::int32_t lowerBound = 0;                  // the wrapped row sum must lie strictly between
    std::int32_t upperBound = 0;
    std::int32_t target = 0;  // two members must add up to it exactly
};

// Reads the counts, bounds and target from the window. An odd count is accepted
// when the ratio test of the odd/even filter, with its double divisions and
// NearlyEqual, accepts a row of that many odd and groupSize minus that many even members.
Criteria ReadCriteria(ControlPort& window, std::int32_t groupSize);

// Whether some exact sum in [low, high] wraps to a 32-bit value strictly between
// lowerBound and upperBound.
bool SumWindowReachable(std::int64_t low, std::int64_t high, std::int32_t lowerBound,
                        std::int32_t upperBound);

// The same test for one exact sum.
bool SumInsideBounds(std::int64_t sum, std::int32_t lowerBound, std::int32_t upperBound);

// The exact sums in [low, high] that pass, for a span high - low below 2^32: at
// most two disjoint ranges, in increasing order.
struct SumRange {
    std::int64_t low, high;
};
struct PassingSumRanges {
    SumRange ranges[3];
    int count = 0;
    const SumRange* begin() const { return ranges; }
    const SumRange* end() const { return ranges + count; }
};
PassingSumRanges PassingSumsAcrossWraps(std::int64_t low, std::int64_t high,
                                        std::int32_t lowerBound, std::int32_t upperBound);

inline PassingSumRanges PassingSums(std::int64_t low, std::int64_t high, std::int32_t lowerBound,
                                    std::int32_t upperBound) {
    if (low < INT32_MIN || high > INT32_MAX)
        return PassingSumsAcrossWraps(low, high, lowerBound, upperBound);
    // No sum in reach wraps: the passing sums are those strictly between the bounds.
    PassingSumRanges ranges;
    const SumRange inside{std::max<std::int64_t>(low, std::int64_t{lowerBound} + 1),
                          std::min<std::int64_t>(high, std::int64_t{upperBound} - 1)};
    if (inside.low <= inside.high) ranges.ranges[ranges.count++] = inside;
    return ranges;
}

}  // namespace xuanhao
