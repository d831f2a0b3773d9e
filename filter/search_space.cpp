#include "filter/search_space.h"

#include <algorithm>
#include <functional>

#include "convert/reals.h"

namespace xuanhao {

SearchSpace::SearchSpace(const std::vector<std::int32_t>& values, const Criteria& criteria)
    : count_(static_cast<std::int32_t>(values.size())), criteria_(criteria) {
    value_.push_back(0);
    value_.insert(value_.end(), values.begin(), values.end());
    odd_.assign(value_.size(), 0);
    oddPrefix_.assign(value_.size(), 0);
    oddSums_.push_back(0);
    evenSums_.push_back(0);
    for (std::int32_t p = 1; p <= count_; ++p) {
        odd_[p] = IsOdd(value_[p]) ? 1 : 0;
        oddPrefix_[p] = oddPrefix_[p - 1] + odd_[p];
        auto& sums = odd_[p] ? oddSums_ : evenSums_;
        sums.push_back(sums.back() + value_[p]);
    }
    previousOdd_.assign(value_.size(), 0);
    previousEven_.assign(value_.size(), 0);
    for (std::int32_t p = 1; p <= count_; ++p) {
        previousOdd_[p] = odd_[p - 1] && p > 1 ? p - 1 : previousOdd_[p - 1];
        previousEven_[p] = !odd_[p - 1] && p > 1 ? p - 1 : previousEven_[p - 1];
    }
    constexpr std::int64_t kMostValuesTabled = 1 << 22;
    if (count_ > 0 && std::int64_t{value_[1]} - value_[count_] < kMostValuesTabled) {
        leastValue_ = value_[count_];
        std::int32_t first = count_ + 1;
        for (std::int64_t v = leastValue_; v <= value_[1]; ++v) {
            while (first > 1 && value_[first - 1] <= v) --first;
            firstAtMost_.push_back(first);
        }
    }
    partnerFirst_.assign(value_.size(), 1);
    partnerLast_.assign(value_.size(), 0);
    for (std::int32_t p = 1; p <= count_; ++p) {
        const std::int64_t partner = std::int64_t{criteria.target} - value_[p];
        PositionsWithValues(partner, partner, partnerFirst_[p], partnerLast_[p]);
    }
}

std::int64_t SearchSpace::LeastSum(std::int32_t odd, std::int32_t even, std::int32_t p) const {
    const std::int32_t odds = OddAmong(p);
    const std::int32_t evens = EvenAmong(p);
    return (oddSums_[odds] - oddSums_[odds - odd]) + (evenSums_[evens] - evenSums_[evens - even]);
}

std::int64_t SearchSpace::GreatestSum(std::int32_t odd, std::int32_t even) const {
    return oddSums_[odd] + evenSums_[even];
}

SumRange SearchSpace::PartialSumBounds(std::int32_t members) const {
    SumRange bounds{0, 0};
    std::int64_t smallest = 0, largest = 0;
    for (std::int32_t j = 1; j <= members; ++j) {
        smallest += value_[count_ - j + 1];
        largest += value_[j];
        bounds.low = std::min(bounds.low, smallest);
        bounds.high = std::max(bounds.high, largest);
    }
    return bounds;
}

void SearchSpace::SearchPositionsWithValues(std::int64_t low, std::int64_t high,
                                            std::int32_t& first, std::int32_t& last) const {
    // Values fall as positions rise: [first, last] holds high down to low.
    const auto begin = value_.begin() + 1;
    const auto end = value_.end();
    const auto from =
        std::lower_bound(begin, end, high, [](std::int32_t v, std::int64_t h) { return v > h; });
    const auto to =
        std::upper_bound(begin, end, low, [](std::int64_t l, std::int32_t v) { return l > v; });
    first = static_cast<std::int32_t>(from - begin) + 1;
    last = static_cast<std::int32_t>(to - begin);
}

}  // namespace xuanhao
