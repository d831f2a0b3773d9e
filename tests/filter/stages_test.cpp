// The three filter stages, each on its own input.
#include <gtest/gtest.h>

#include <vector>

#include "filter/combo_matrix.h"
#include "filter/decomposition.h"
#include "filter/enumerate.h"
#include "filter/odd_even_ratio.h"
#include "filter/run_start.h"
#include "filter/sum_range.h"
#include "tests/support/fake_window.h"

namespace xuanhao {
namespace {

using testing_support::FakeWindow;
using Rows = std::vector<std::vector<std::int32_t>>;

Rows RowsOf(const List<std::int32_t>& table, std::int32_t groupSize) {
    Rows rows;
    for (std::int64_t flat = 0; flat < table.Size(); flat += groupSize) {
        const auto& all = table.Elements();
        rows.emplace_back(all.begin() + flat, all.begin() + flat + groupSize);
    }
    return rows;
}

List<std::int32_t> TableOf(const Rows& rows) {
    List<std::int32_t> table;
    for (const auto& row : rows) {
        for (std::int32_t value : row) table.Append(value);
    }
    if (!rows.empty())
        table.Dimension(
            {static_cast<std::int64_t>(rows.size()), static_cast<std::int64_t>(rows[0].size())});
    return table;
}

// Everything the odd/even stage reads, for the candidate text and counts typed.
struct RatioInput {
    RatioInput(const char* candidates, const char* odd, const char* even) {
        window.Type("编辑框1", candidates, state);
        window.Type("奇数编辑框", odd, state);
        window.Type("偶数编辑框", even, state);
        std::int32_t tickStart = 0;
        EXPECT_TRUE(OpenRun(window, state, lists, tickStart));
        state.rowLength = state.groupSize;
        EnumerateCombinations(state.candidateCount, state.groupSize, state, [&](std::string&& row) {
            lists.comboRows.Append(std::move(row));
            return true;
        });
        lists.comboMatrix = BuildComboMatrix(lists.comboRows, state.groupSize, lists.rowPieces);
    }
    List<std::int32_t> Filter() {
        return FilterByOddEvenRatio(lists.comboMatrix, lists.candidateValues, state.groupSize,
                                    window);
    }
    FakeWindow window;
    ProgramState state = testing_support::StartState();
    RunLists lists;
};

constexpr const char* kStartCandidates = "11,24,34,1,3,5,67,88,90,12,22,14,26,27,99";

TEST(FilterByOddEvenRatio, KeepsTheRowsWithTheWantedOddCount) {
    struct Case {
        const char* odd;
        const char* even;
        std::size_t rows;
        std::vector<std::int32_t> first;
        std::vector<std::int32_t> last;
    };
    const Case cases[] = {
        {"1", "6", 196, {1, 12, 14, 22, 24, 26, 34}, {22, 24, 26, 34, 88, 90, 99}},
        {"2", "5", 1176, {1, 3, 12, 14, 22, 24, 26}, {}},
        {"0", "7", 8, {12, 14, 22, 24, 26, 34, 88}, {}},
        {"7", "0", 1, {1, 3, 5, 11, 27, 67, 99}, {1, 3, 5, 11, 27, 67, 99}},  // +inf - +inf is NaN
        {"8", "-1", 0, {}, {}},                                               // wanted ratio -8
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.odd) + ":" + c.even);
        RatioInput input(kStartCandidates, c.odd, c.even);
        ASSERT_EQ(input.lists.comboMatrix.Size(), 6435 * 7);
        const Rows rows = RowsOf(input.Filter(), 7);
        ASSERT_EQ(rows.size(), c.rows);
        if (!c.first.empty()) {
            EXPECT_EQ(rows.front(), c.first);
        }
        if (!c.last.empty()) {
            EXPECT_EQ(rows.back(), c.last);
        }
    }
}

TEST(FilterByOddEvenRatio, NegativeOddValuesCountAsEven) {
    RatioInput allEven("-3,2,4", "0", "2");
    EXPECT_EQ(RowsOf(allEven.Filter(), 2), (Rows{{-3, 2}, {-3, 4}, {2, 4}}));
    RatioInput oneOdd("-3,2,4", "1", "1");
    EXPECT_TRUE(oneOdd.Filter().Empty());
}

TEST(FilterByOddEvenRatio, EqualValuesStaySideBySide) {
    RatioInput input("4,2,4,6", "0", "3");
    EXPECT_EQ(RowsOf(input.Filter(), 3), (Rows{{2, 4, 4}, {2, 4, 6}, {2, 4, 6}, {4, 4, 6}}));
}

TEST(RatioAccepted, FollowsTheDoubleDivisions) {
    EXPECT_TRUE(RatioAccepted(0, 3, 0, 3));
    EXPECT_TRUE(RatioAccepted(3, 0, 3, 0));   // both +inf
    EXPECT_FALSE(RatioAccepted(2, 1, 3, 0));  // finite against +inf
    EXPECT_FALSE(RatioAccepted(3, 0, 2, 1));
    EXPECT_TRUE(RatioAccepted(0, 0, 5, 5));  // 0 / 0 is NaN: accepted
    EXPECT_FALSE(RatioAccepted(1, 2, 2, 1));
}

struct TableCase {
    const char* name;
    const char* first;   // lower bound, or the target
    const char* second;  // upper bound
    Rows input;
    Rows kept;
};

TEST(FilterBySumRange, KeepsSumsStrictlyInsideTheBounds) {
    const TableCase cases[] = {
        {"bounds are exclusive",
         "150",
         "200",
         {{75, 75}, {100, 100}, {75, 76}, {99, 100}},
         {{75, 76}, {99, 100}}},
        {"no room between 150 and 151", "150", "151", {{75, 75}, {75, 76}}, {}},
        {"upper below lower", "200", "150", {{80, 90}}, {}},
        {"empty upper bound is 0", "150", "", {{80, 90}}, {}},
        {"negative bounds and members", "-10", "10", {{-3, 4, 5}}, {{-3, 4, 5}}},
        {"the sum wraps at 32 bits",
         "-300000000",
         "-200000000",
         {{2000000000, 2000000000}},
         {{2000000000, 2000000000}}},
        {"every row passes", "0", "100", {{1, 2}, {3, 4}}, {{1, 2}, {3, 4}}},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWindow window;
        window.texts["前数文本框"] = c.first;
        window.texts["后数文本框"] = c.second;
        const auto groupSize = static_cast<std::int32_t>(c.input[0].size());
        EXPECT_EQ(RowsOf(FilterBySumRange(TableOf(c.input), groupSize, window), groupSize), c.kept);
    }
}

TEST(FilterByDecomposition, KeepsRowsWithAPairAddingUpToTheTarget) {
    const TableCase cases[] = {
        {"target 33",
         "33",
         "",
         {{5, 11, 22}, {6, 12, 27}, {10, 20, 30}},
         {{5, 11, 22}, {6, 12, 27}}},
        {"no pairing with itself", "24", "", {{5, 7, 12}, {5, 12, 12}}, {{5, 12, 12}}},
        {"group size 1 has no pair", "4", "", {{4}, {2}}, {}},
        {"negative target", "-1", "", {{3, -4}}, {{3, -4}}},
        {"the pair sum does not wrap", "-294967296", "", {{2000000000, 2000000000}}, {}},
        {"empty target is 0", "", "", {{1, 2}, {3, 4}}, {}},
        {"full-width target", "３３", "", {{11, 22}}, {{11, 22}}},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWindow window;
        window.texts["分解数编辑框"] = c.first;
        const auto groupSize = static_cast<std::int32_t>(c.input[0].size());
        EXPECT_EQ(RowsOf(FilterByDecomposition(TableOf(c.input), groupSize, window), groupSize),
                  c.kept);
    }
}

TEST(FilterStages, TheTextsAtStartNarrow6435RowsTo196Then19Then2) {
    RatioInput input(kStartCandidates, "1", "6");
    const List<std::int32_t> oddEvenHits = input.Filter();
    const List<std::int32_t> sumHits = FilterBySumRange(oddEvenHits, 7, input.window);
    const Rows sums = RowsOf(sumHits, 7);
    ASSERT_EQ(sums.size(), 19U);
    EXPECT_EQ(sums.front(), (std::vector<std::int32_t>{1, 12, 14, 22, 24, 26, 88}));
    EXPECT_EQ(RowsOf(FilterByDecomposition(sumHits, 7, input.window), 7),
              (Rows{{11, 12, 14, 22, 24, 26, 88}, {11, 12, 14, 22, 24, 26, 90}}));
}

}  // namespace
}  // namespace xuanhao
