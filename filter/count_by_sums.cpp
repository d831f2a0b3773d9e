#include "filter/count_by_sums.h"

#include <algorithm>
#include <vector>

namespace xuanhao {

namespace {

__extension__ typedef unsigned __int128 Wide;

// C(n, k) when it fits in 64 bits.
std::optional<std::uint64_t> Choose(std::int64_t n, std::int64_t k) {
    if (k < 0 || k > n) return 0;
    k = std::min(k, n - k);
    Wide value = 1;
    for (std::int64_t i = 1; i <= k; ++i) {
        value = value * static_cast<Wide>(n - k + i) / static_cast<Wide>(i);
        if (value > UINT64_MAX) return std::nullopt;
    }
    return static_cast<std::uint64_t>(value);
}

// One distinct value and how many candidates hold it.
struct ValueGroup {
    std::int64_t value;
    std::int32_t copies;
    bool odd;
    std::int32_t mostTaken;  // how many of the copies one subset may hold
};

// Counts of member subsets by (members j, odd members o, exact sum s).
class SumTable {
  public:
    SumTable(std::int32_t groupSize, std::int64_t lowestSum, std::int64_t width)
        : groupSize_(groupSize),
          lowest_(lowestSum),
          width_(width),
          cells_(static_cast<std::size_t>((groupSize + 1) * (groupSize + 1) * width), 0) {
        At(0, 0, 0) = 1;
    }

    std::uint64_t& At(std::int32_t j, std::int32_t o, std::int64_t sum) {
        return cells_[static_cast<std::size_t>((j * (groupSize_ + 1) + o) * width_ +
                                               (sum - lowest_))];
    }

    // Adds to every subset either nothing or one of the choices: `copies` from a
    // group, each choice taking t of them in C(copies, t) ways. Members are
    // walked from the most down, so that each subset takes one choice only.
    void AddChoices(const std::vector<const ValueGroup*>& sides) {
        std::vector<std::vector<std::uint64_t>> ways(sides.size());  // ways[side][t] = C(copies, t)
        for (std::size_t side = 0; side < sides.size(); ++side) {
            const std::int32_t most = std::min(sides[side]->mostTaken, groupSize_);
            for (std::int32_t t = 0; t <= most; ++t)
                ways[side].push_back(*Choose(sides[side]->copies, t));
        }
        for (std::int32_t j = groupSize_ - 1; j >= 0; --j) {
            for (std::int32_t o = 0; o <= j; ++o) {
                for (std::int64_t s = lowest_; s < lowest_ + width_; ++s) {
                    const std::uint64_t subsets = At(j, o, s);
                    if (subsets == 0) continue;
                    for (std::size_t side = 0; side < sides.size(); ++side) {
                        const ValueGroup& group = *sides[side];
                        const std::int32_t most = std::min(group.mostTaken, groupSize_ - j);
                        for (std::int32_t t = 1; t <= most; ++t) {
                            const std::int64_t sum = s + t * group.value;
                            if (sum < lowest_ || sum >= lowest_ + width_) continue;
                            At(j + t, o + (group.odd ? t : 0), sum) +=
                                subsets * ways[side][static_cast<std::size_t>(t)];
                        }
                    }
                }
            }
        }
    }

  private:
    std::int32_t groupSize_;
    std::int64_t lowest_;
    std::int64_t width_;
    std::vector<std::uint64_t> cells_;
};

}  // namespace

std::optional<StageCounts> CountBySums(const SearchSpace& space, double workBudget) {
    const Criteria& filters = space.Filters();
    const std::int32_t n = space.Count();
    const std::int32_t g = filters.groupSize;
    // Every partial count is at most C(n, j) for some j <= g.
    if (!Choose(n, std::min(g, n / 2))) return std::nullopt;

    std::vector<ValueGroup> groups;
    for (std::int32_t p = 1; p <= n; ++p) {
        if (!groups.empty() && groups.back().value == space.Value(p)) {
            ++groups.back().copies;
            ++groups.back().mostTaken;
        } else {
            groups.push_back({space.Value(p), 1, space.Odd(p), 1});
        }
    }
    const SumRange partialSums = space.PartialSumBounds(g);
    const std::int64_t lowest = partialSums.low;
    const std::int64_t highest = partialSums.high;
    const double width = static_cast<double>(highest - lowest + 1);
    const double cells = width * (g + 1) * (g + 1);
    if (cells > 5e6 || cells * static_cast<double>(n) > workBudget) return std::nullopt;

    SumTable all(g, lowest, highest - lowest + 1);
    SumTable withoutPair(g, lowest, highest - lowest + 1);
    for (const ValueGroup& group : groups) all.AddChoices({&group});

    // Without a pair: of a value and its partner only one side, and of a value
    // that is half the target a single copy.
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const ValueGroup& group = groups[i];
        const std::int64_t partner = std::int64_t{filters.target} - group.value;
        if (partner == group.value) {
            const ValueGroup single{group.value, group.copies, group.odd, 1};
            withoutPair.AddChoices({&single});
            continue;
        }
        // The groups stand in falling order of value.
        const auto match = std::lower_bound(
            groups.begin(), groups.end(), partner,
            [](const ValueGroup& other, std::int64_t v) { return other.value > v; });
        if (match == groups.end() || match->value != partner) {
            withoutPair.AddChoices({&group});
        } else if (match > groups.begin() + static_cast<std::ptrdiff_t>(i)) {
            withoutPair.AddChoices({&group, &*match});  // the pair once, at its first side
        }
    }

    StageCounts counts;
    for (std::int32_t o = 0; o <= g; ++o) {
        if (!filters.acceptedOddCounts[static_cast<std::size_t>(o)]) continue;
        for (std::int64_t s = lowest; s <= highest; ++s) {
            const std::uint64_t rows = all.At(g, o, s);
            counts.oddEven += rows;
            if (!SumInsideBounds(s, filters.lowerBound, filters.upperBound)) continue;
            counts.oddEvenSum += rows;
            counts.all += rows - withoutPair.At(g, o, s);
        }
    }
    return counts;
}

}  // namespace xuanhao
