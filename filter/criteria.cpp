#include "filter/criteria.h"

#include <algorithm>
#include <cstdint>

#include "convert/text_to_int.h"
#include "filter/control_names.h"
#include "filter/odd_even_ratio.h"

namespace xuanhao {

namespace {

constexpr std::int64_t kWrap = std::int64_t{1} << 32;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

Criteria ReadCriteria(ControlPort& window, std::int32_t groupSize) {
    Criteria criteria;
    criteria.groupSize = groupSize;
    const std::int32_t wantedOdd = TextToInt(window.GetControlText(controls::奇数编辑框));
    const std::int32_t wantedEven = TextToInt(window.GetControlText(controls::偶数编辑框));
    for (std::int32_t odd = 0; odd <= groupSize; ++odd) {
        criteria.acceptedOddCounts.push_back(
            RatioAccepted(odd, groupSize - odd, wantedOdd, wantedEven));
    }
    criteria.lowerBound = TextToInt(window.GetControlText(controls::前数文本框));
    criteria.upperBound = TextToInt(window.GetControlText(controls::后数文本框));
    criteria.target = TextToInt(window.GetControlText(controls::分解数编辑框));
    return criteria;
}

bool SumInsideBounds(std::int64_t sum, std::int32_t lowerBound, std::int32_t upperBound) {
    const std::int32_t wrapped = WrapToInt32(sum);
    return wrapped > lowerBound && wrapped < upperBound;
}

PassingSumRanges PassingSumsAcrossWraps(std::int64_t low, std::int64_t high,
                                        std::int32_t lowerBound, std::int32_t upperBound) {
    PassingSumRanges ranges;
    const std::int64_t first = std::int64_t{lowerBound} + 1;  // wrapped values that pass
    const std::int64_t last = std::int64_t{upperBound} - 1;
    if (first > last || low > high) return ranges;
    // Sums s = w + m * 2^32 with w in [first, last]; only a few m can reach [low, high].
    const std::int64_t lastWrap = FloorDiv(high - first, kWrap);
    for (std::int64_t m = FloorDiv(low - last, kWrap); m <= lastWrap && ranges.count < 3; ++m) {
        const std::int64_t from = std::max(low, first + m * kWrap);
        const std::int64_t to = std::min(high, last + m * kWrap);
        if (from <= to) ranges.ranges[ranges.count++] = {from, to};
    }
    return ranges;
}

bool SumWindowReachable(std::int64_t low, std::int64_t high, std::int32_t lowerBound,
                        std::int32_t upperBound) {
    if (low > high || std::int64_t{upperBound} - lowerBound < 2) return false;
    if (high - low >= kWrap) return true;
    return PassingSums(low, high, lowerBound, upperBound).count > 0;
}

}  // namespace xuanhao
