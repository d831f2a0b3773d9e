#include "filter/sort_candidates.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "convert/split_text.h"
#include "convert/text_to_int.h"

namespace xuanhao {
namespace {

// The bubble sort with an early stop and a bound that shrinks by one per pass,
// written out plainly: the order and the bound the fast sort must reproduce.
std::int32_t BubbleSortDescending(std::vector<std::string>& texts) {
    bool swapped = true;
    auto bound = static_cast<std::int32_t>(texts.size());
    while (swapped) {
        swapped = false;
        for (std::int32_t j = 1; j <= bound - 1; ++j) {
            if (TextToInt(texts[j - 1]) < TextToInt(texts[j])) {
                std::swap(texts[j - 1], texts[j]);
                swapped = true;
            }
        }
        --bound;
    }
    return bound;
}

struct SortCase {
    const char* name;
    const char* text;
    std::vector<std::string> sorted;
    std::int32_t sortBound;
};

TEST(SortCandidatesDescending, IsStableLargestFirstAndLeavesTheBubbleSortBound) {
    const SortCase cases[] = {
        {"texts at start",
         "11,24,34,1,3,5,67,88,90,12,22,14,26,27,99",
         {"99", "90", "88", "67", "34", "27", "26", "24", "22", "14", "12", "11", "5", "3", "1"},
         0},
        {"equal values keep their order and text", "5,7,05", {"7", "5", "05"}, 1},
        {"an empty item has the value 0", "1,,2", {"2", "1", ""}, 0},
        {"already sorted: one pass", "9,5,1", {"9", "5", "1"}, 2},
        {"ascending distinct: one pass per item", "1,2,3,4", {"4", "3", "2", "1"}, 0},
        {"negative values", "-3,2,-10,0", {"2", "0", "-3", "-10"}, 1},
    };
    for (const SortCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramState state;
        List<std::string> texts = SplitText(c.text);
        SortCandidatesDescending(texts, state);
        EXPECT_EQ(texts.Elements(), c.sorted);
        EXPECT_EQ(state.sortBound, c.sortBound);
    }
}

TEST(SortCandidatesDescending, AgreesWithTheBubbleSortOnRandomLists) {
    std::mt19937 random(20261211);
    for (int trial = 0; trial < 2000; ++trial) {
        std::vector<std::string> texts;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            const int value = static_cast<int>(random() % 12) - 3;
            texts.push_back((random() % 4 == 0 ? "0" : "") + std::to_string(value));
        }
        List<std::string> list;
        for (const std::string& t : texts) list.Append(t);
        ProgramState state;
        SortCandidatesDescending(list, state);
        const std::int32_t bound = BubbleSortDescending(texts);
        ASSERT_EQ(list.Elements(), texts) << "trial " << trial;
        ASSERT_EQ(state.sortBound, bound) << "trial " << trial;
    }
}

}  // namespace
}  // namespace xuanhao
