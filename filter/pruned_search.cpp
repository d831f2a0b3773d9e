#include "filter/pruned_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace xuanhao {

namespace {

constexpr std::uint32_t kStepsBetweenChecks = 4096;

// log C(n, k), for the fraction of the enumeration done.
double LogChoose(double n, double k) {
    if (k < 0 || k > n) return -std::numeric_limits<double>::infinity();
    return std::lgamma(n + 1) - std::lgamma(k + 1) - std::lgamma(n - k + 1);
}

struct Interval {
    std::int32_t first, last;
};

class Search {
  public:
    Search(const SearchSpace& space, const SearchOptions& options)
        : space_(space),
          options_(options),
          filters_(space.Filters()),
          groupSize_(filters_.groupSize),
          chosen_(static_cast<std::size_t>(groupSize_), 0),
          chosenValues_(static_cast<std::size_t>(groupSize_), 0) {
        for (std::int32_t odd = 0; odd <= groupSize_; ++odd) {
            if (Accepted(odd)) acceptedOddCounts_.push_back(odd);
        }
        const SumRange partialSums = space_.PartialSumBounds(groupSize_);  // does any wrap?
        sumsNeverWrap_ = partialSums.low >= INT32_MIN && partialSums.high <= INT32_MAX;
        if (options_.requirePair && space_.ValuesTabled())
            chosenOfValue_.assign(space_.ValueSlots(), 0);
        result_.rows.reserve(static_cast<std::size_t>(
            std::min(options.expectedRows, options.rowLimit) * groupSize_));
    }

    SearchResult Run() {
        const std::int32_t n = space_.Count();
        if (groupSize_ == 1) {
            Leaves(n, 0, 0, false);
        } else if (Complete(n, groupSize_, 0, 0) == Completion::kPossible) {
            Descend(n, groupSize_, 0, 0, false);
        }
        return std::move(result_);
    }

  private:
    bool Accepted(std::int32_t odd) const {
        return odd >= 0 && odd <= groupSize_ &&
               filters_.acceptedOddCounts[static_cast<std::size_t>(odd)];
    }

    enum class Completion { kPossible, kNotHere, kNotBelow };

    // Whether `remaining` more members from positions 1..p can complete a row
    // holding `odd` odd members so far and the exact sum `sum`. kNotBelow: nor
    // can they from positions 1..q for any q < p with a sum at least as great,
    // since there the values are greater and fewer (told only where no sum in
    // reach wraps).
    Completion Complete(std::int32_t p, std::int32_t remaining, std::int32_t odd,
                        std::int64_t sum) const {
        bool laterMayFit = false;
        for (const std::int32_t total : acceptedOddCounts_) {
            const std::int32_t moreOdd = total - odd;
            const std::int32_t moreEven = remaining - moreOdd;
            if (moreOdd < 0 || moreEven < 0) continue;
            if (moreOdd > space_.OddAmong(p) || moreEven > space_.EvenAmong(p)) continue;
            const std::int64_t least = sum + space_.LeastSum(moreOdd, moreEven, p);
            const std::int64_t greatest = sum + space_.GreatestSum(moreOdd, moreEven);
            if (SumWindowReachable(least, greatest, filters_.lowerBound, filters_.upperBound)) {
                return Completion::kPossible;
            }
            laterMayFit = laterMayFit || !sumsNeverWrap_ || least < filters_.upperBound;
        }
        return laterMayFit ? Completion::kNotHere : Completion::kNotBelow;
    }

    // Whether position p completes a pair with a member chosen above depth d.
    bool PairsWithChosen(std::int32_t p, std::size_t depth) const {
        if (!chosenOfValue_.empty()) {
            const std::int64_t slot =
                space_.ValueSlot(std::int64_t{filters_.target} - space_.Value(p));
            return slot >= 0 && slot < static_cast<std::int64_t>(chosenOfValue_.size()) &&
                   chosenOfValue_[static_cast<std::size_t>(slot)] > 0;
        }
        const std::int32_t first = space_.PartnerFirst(p);
        const std::int32_t last = space_.PartnerLast(p);
        if (first > last) return false;
        // chosen_[0..depth) falls strictly: find the first at or below `last`.
        const auto begin = chosen_.begin();
        const auto at = std::lower_bound(
            begin, begin + static_cast<std::ptrdiff_t>(depth), last,
            [](std::int32_t position, std::int32_t bound) { return position > bound; });
        return at != begin + static_cast<std::ptrdiff_t>(depth) && *at >= first;
    }

    // Chooses the member at depth groupSize - k from positions m down to k.
    bool Descend(std::int32_t m, std::int32_t k, std::int32_t odd, std::int64_t sum, bool hasPair) {
        const auto depth = static_cast<std::size_t>(groupSize_ - k);
        for (std::int32_t i = m; i >= k; --i) {
            if (++steps_ % kStepsBetweenChecks == 0 && !CheckProgress()) return false;
            chosen_[depth] = i;
            chosenValues_[depth] = space_.Value(i);
            const std::int32_t withOdd = odd + (space_.Odd(i) ? 1 : 0);
            const std::int64_t withSum = sum + space_.Value(i);
            const bool withPair = hasPair || (options_.requirePair && PairsWithChosen(i, depth));
            // Tally the member while the levels below it run.
            const bool tally = !chosenOfValue_.empty() && !withPair;
            const auto slot = static_cast<std::size_t>(space_.ValueSlot(space_.Value(i)));
            if (tally) ++chosenOfValue_[slot];
            const bool goOn = Below(i, k, withOdd, withSum, withPair, odd);
            if (tally) --chosenOfValue_[slot];
            if (!goOn) return false;
            if (stopLevel_) {
                stopLevel_ = false;
                break;
            }
        }
        return true;
    }

    // The levels below the member at position i, chosen at depth groupSize - k.
    // Returns false to stop the search; sets stopLevel_ when no member further
    // down at this depth can complete the row either.
    bool Below(std::int32_t i, std::int32_t k, std::int32_t withOdd, std::int64_t withSum,
               bool withPair, std::int32_t odd) {
        {
            if (k == 2) {
                // The least last member, and every one further down, is too great.
                if (sumsNeverWrap_ && i > 1 &&
                    withSum + space_.Value(i - 1) >= filters_.upperBound) {
                    stopLevel_ = true;
                    return true;
                }
                return Leaves(i - 1, withOdd, withSum, withPair);
            }
            const Completion completion = Complete(i - 1, k - 1, withOdd, withSum);
            if (completion == Completion::kPossible)
                return Descend(i - 1, k - 1, withOdd, withSum, withPair);
            // A member further down has a value at least as great, of either
            // parity: stop when neither parity could complete the row there.
            const std::int32_t otherOdd = space_.Odd(i) ? odd : odd + 1;
            stopLevel_ = completion == Completion::kNotBelow &&
                         Complete(i - 1, k - 1, otherOdd, withSum) == Completion::kNotBelow;
            return true;
        }
    }

    // The last member, from positions m down to 1: only the positions whose value
    // brings the sum inside the bounds, and, without a pair yet, completes one.
    bool Leaves(std::int32_t m, std::int32_t odd, std::int64_t sum, bool hasPair) {
        const bool oddFits = Accepted(odd + 1);
        const bool evenFits = Accepted(odd);
        if (m < 1 || (!oddFits && !evenFits)) return true;
        const auto depth = static_cast<std::size_t>(groupSize_ - 1);

        // Rising sums are rising values, that is falling positions; so are the
        // partner ranges of the chosen members taken from the deepest up. The
        // ranges are disjoint, so the positions come in the enumeration's order.
        const std::int64_t least = space_.Value(m);
        const std::int64_t greatest = space_.Value(1);
        for (const SumRange& sums :
             PassingSums(sum + least, sum + greatest, filters_.lowerBound, filters_.upperBound)) {
            Interval byValue{};
            space_.PositionsWithValues(sums.low - sum, sums.high - sum, byValue.first,
                                       byValue.last);
            byValue.last = std::min(byValue.last, m);
            if (byValue.first > byValue.last) continue;
            if (hasPair || !options_.requirePair) {
                if (!VisitLast(byValue, oddFits, evenFits)) return false;
                continue;
            }
            for (std::size_t c = depth; c-- > 0;) {
                // Members of equal value share their partner range: take it once.
                if (c + 1 < depth && chosenValues_[c] == chosenValues_[c + 1]) continue;
                const std::int32_t partnerFirst = space_.PartnerFirst(chosen_[c]);
                const std::int32_t partnerLast = space_.PartnerLast(chosen_[c]);
                // Further up the partners stand at ever lower positions.
                if (partnerLast < byValue.first) break;
                if (partnerFirst > byValue.last) continue;
                const Interval partners{std::max(byValue.first, partnerFirst),
                                        std::min(byValue.last, partnerLast)};
                if (partners.first <= partners.last && !VisitLast(partners, oddFits, evenFits)) {
                    return false;
                }
            }
        }
        return true;
    }

    // Completes a row with each position of the range, from its last down, whose
    // parity fits; once the rows are kept, only counts them.
    bool VisitLast(Interval range, bool oddFits, bool evenFits) {
        const auto depth = static_cast<std::size_t>(groupSize_ - 1);
        // With one parity wanted, step from one position of it to the next.
        const bool onlyOne = oddFits != evenFits;
        std::int32_t j = range.last;
        if (onlyOne && space_.Odd(j) != oddFits) j = space_.PreviousOfParity(j, oddFits);
        while (j >= range.first) {
            if (RowsFull() && options_.countBeyondLimit) {
                result_.found += CountIn({range.first, j}, oddFits, evenFits);
                return true;
            }
            if (space_.Odd(j) ? oddFits : evenFits) {
                chosen_[depth] = j;
                chosenValues_[depth] = space_.Value(j);
                if (!Emit()) return false;
            }
            j = onlyOne ? space_.PreviousOfParity(j, oddFits) : j - 1;
        }
        return true;
    }

    std::uint64_t CountIn(Interval range, bool oddFits, bool evenFits) const {
        if (range.first > range.last) return 0;
        const std::int32_t odds = space_.OddAmong(range.last) - space_.OddAmong(range.first - 1);
        const std::int32_t evens = (range.last - range.first + 1) - odds;
        return static_cast<std::uint64_t>((oddFits ? odds : 0) + (evenFits ? evens : 0));
    }

    // Whether no more rows are to be kept (never while streaming them).
    bool RowsFull() const { return roomLeft_ == 0 && !streaming_; }

    // A complete row: keep it while there is room; stop once full unless counting on.
    bool Emit() {
        if (streaming_) {
            ++result_.found;
            return options_.onRow(chosenValues_.data());
        }
        if (roomLeft_ == 0) {
            if (!options_.countBeyondLimit) return false;
            ++result_.found;
            return true;
        }
        --roomLeft_;
        ++result_.found;
        result_.rows.insert(result_.rows.end(), chosenValues_.begin(), chosenValues_.end());
        return true;
    }

    bool CheckProgress() {
        if (!options_.progress) return true;
        const double n = space_.Count();
        const double g = groupSize_;
        // Rows before the current top two choices, over all rows.
        const double top = chosen_[0];
        const double second = groupSize_ > 1 ? chosen_[1] : 0;
        const double logAll = LogChoose(n, g);
        const double done = 1.0 - std::exp(LogChoose(top, g) - logAll) +
                            std::exp(LogChoose(top - 1, g - 1) - logAll) -
                            std::exp(LogChoose(second, g - 1) - logAll);
        if (options_.progress(std::clamp(done, 0.0, 1.0), result_.found)) return true;
        result_.cancelled = true;
        return false;
    }

    const SearchSpace& space_;
    const SearchOptions& options_;
    const Criteria& filters_;
    const std::int32_t groupSize_;
    std::vector<std::int32_t> chosen_;        // the position chosen at each depth, largest first
    std::vector<std::int32_t> chosenValues_;  // their values
    std::vector<std::int32_t> acceptedOddCounts_;
    bool sumsNeverWrap_ = false;
    bool stopLevel_ = false;
    std::vector<std::uint16_t>
        chosenOfValue_;  // members chosen above, by value slot, while no pair
    const bool streaming_ = static_cast<bool>(options_.onRow);
    std::int64_t roomLeft_ = std::max<std::int64_t>(options_.rowLimit, 0);  // rows still to keep
    std::uint32_t steps_ = 0;
    SearchResult result_;
};

}  // namespace

SearchResult SearchCombinations(const SearchSpace& space, const SearchOptions& options) {
    return Search(space, options).Run();
}

}  // namespace xuanhao
