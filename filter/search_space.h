#pragma once

#include <cstdint>
#include <vector>

#include "filter/criteria.h"

namespace xuanhao {

// The sorted candidates as the fast engine sees them: position p (1-based, the
// largest value first) has value[p]; tables that give, in constant time, the
// counts and extreme sums of odd and even values among positions 1..p, and the
// positions whose value completes a pair with position p.
class SearchSpace {
  public:
    // values: the candidate values by position, largest first.
    SearchSpace(const std::vector<std::int32_t>& values, const Criteria& criteria);

    std::int32_t Count() const { return count_; }
    std::int32_t Value(std::int32_t p) const { return value_[p]; }
    bool Odd(std::int32_t p) const { return odd_[p] != 0; }
    const Criteria& Filters() const { return criteria_; }

    std::int32_t OddAmong(std::int32_t p) const { return oddPrefix_[p]; }  // odd values in 1..p
    // The greatest position below p whose value has the given parity, 0 when none.
    std::int32_t PreviousOfParity(std::int32_t p, bool odd) const {
        return (odd ? previousOdd_ : previousEven_)[p];
    }
    std::int32_t EvenAmong(std::int32_t p) const { return p - oddPrefix_[p]; }

    // The least and greatest exact sums of `odd` odd and `even` even values from
    // positions 1..p; the caller ensures there are that many of each.
    std::int64_t LeastSum(std::int32_t odd, std::int32_t even, std::int32_t p) const;
    std::int64_t GreatestSum(std::int32_t odd, std::int32_t even) const;

    // The least and greatest sums of any 0..members of the values: every partial
    // sum of a row of that many members lies between them.
    SumRange PartialSumBounds(std::int32_t members) const;

    // Positions [first, last] whose value is target - value[p] (empty when first > last).
    std::int32_t PartnerFirst(std::int32_t p) const { return partnerFirst_[p]; }
    std::int32_t PartnerLast(std::int32_t p) const { return partnerLast_[p]; }

    // Where the values span a small range they are tabled: each has an index,
    // value minus the least value, below ValueSlots().
    bool ValuesTabled() const { return !firstAtMost_.empty(); }
    std::size_t ValueSlots() const { return firstAtMost_.size(); }
    std::int64_t ValueSlot(std::int64_t v) const { return v - leastValue_; }

    // Positions [first, last] holding values within [low, high] (empty when first > last).
    void PositionsWithValues(std::int64_t low, std::int64_t high, std::int32_t& first,
                             std::int32_t& last) const {
        if (firstAtMost_.empty()) return SearchPositionsWithValues(low, high, first, last);
        first = FirstAtMost(high);
        last = low > high ? first - 1 : FirstAtMost(low - 1) - 1;
    }

  private:
    std::int32_t count_;
    Criteria criteria_;
    std::vector<std::int32_t> value_;  // [0] unused
    std::vector<std::uint8_t> odd_;
    std::vector<std::int32_t> oddPrefix_;
    std::vector<std::int32_t> previousOdd_;
    std::vector<std::int32_t> previousEven_;
    std::vector<std::int64_t> oddSums_;  // oddSums_[t]: the t largest odd values
    std::vector<std::int64_t> evenSums_;
    // Where the values span a small range: firstAtMost_[v - least] is the first
    // position whose value is at most v (empty otherwise, then binary searches serve).
    std::int64_t leastValue_ = 0;
    std::vector<std::int32_t> firstAtMost_;
    std::int32_t FirstAtMost(std::int64_t v) const {
        if (v < leastValue_) return count_ + 1;
        const std::int64_t at = v - leastValue_;
        return at >= static_cast<std::int64_t>(firstAtMost_.size())
                   ? 1
                   : firstAtMost_[static_cast<std::size_t>(at)];
    }
    void SearchPositionsWithValues(std::int64_t low, std::int64_t high, std::int32_t& first,
                                   std::int32_t& last) const;
    std::vector<std::int32_t> partnerFirst_;
    std::vector<std::int32_t> partnerLast_;
};

}  // namespace xuanhao
