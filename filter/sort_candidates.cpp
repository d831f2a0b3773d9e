#include "filter/sort_candidates.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "convert/text_to_int.h"

namespace xuanhao {

namespace {

// The number of passes that exchange something: each pass moves every item
// one place to the left past a smaller one, so it is the largest count of
// smaller items standing to the left of an item.
std::int64_t PassesWithExchanges(const std::vector<std::int32_t>& values) {
    std::vector<std::int32_t> distinct = values;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::vector<std::int64_t> counted(distinct.size() + 1, 0);  // Fenwick tree over value ranks
    std::int64_t most = 0;
    for (const std::int32_t value : values) {
        const auto rank = static_cast<std::size_t>(
            std::lower_bound(distinct.begin(), distinct.end(), value) - distinct.begin());
        std::int64_t smallerToTheLeft = 0;
        for (std::size_t i = rank; i > 0; i -= i & (~i + 1)) smallerToTheLeft += counted[i];
        most = std::max(most, smallerToTheLeft);
        for (std::size_t i = rank + 1; i < counted.size(); i += i & (~i + 1)) ++counted[i];
    }
    return most;
}

}  // namespace

void SortCandidatesDescending(List<std::string>& texts, ProgramState& state) {
    const std::int64_t count = texts.Size();
    std::vector<std::int32_t> values;
    values.reserve(static_cast<std::size_t>(count));
    for (std::int64_t item = 1; item <= count; ++item) values.push_back(TextToInt(texts.At(item)));

    // The bubble sort ends after one more pass, one that exchanges nothing.
    const std::int64_t passes = PassesWithExchanges(values) + 1;
    state.sortBound = static_cast<std::int32_t>(count - passes);

    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return values[a] > values[b]; });
    List<std::string> sorted;
    for (const std::size_t from : order)
        sorted.Append(std::move(texts.At(static_cast<std::int64_t>(from) + 1)));
    texts = std::move(sorted);
}

}  // namespace xuanhao
