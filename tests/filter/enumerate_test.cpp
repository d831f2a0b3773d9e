#include "filter/enumerate.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "filter/combo_matrix.h"
#include "tests/support/fake_window.h"

namespace xuanhao {
namespace {

List<std::string> Rows(std::int32_t candidates, std::int32_t groupSize) {
    ProgramState state = testing_support::StartState();
    state.rowLength = groupSize;
    List<std::string> rows;
    EnumerateCombinations(candidates, groupSize, state, [&](std::string&& row) {
        rows.Append(std::move(row));
        return true;
    });
    return rows;
}

TEST(EnumerateCombinations, FourTakenTwoInDecreasingOrder) {
    const List<std::string> rows = Rows(4, 2);
    EXPECT_EQ(rows.Elements(), (std::vector<std::string>{"4，3，", "4，2，", "4，1，", "3，2，",
                                                         "3，1，", "2，1，"}));
    List<std::string> pieces;
    const auto matrix = BuildComboMatrix(rows, 2, pieces);
    EXPECT_EQ(matrix.Elements(), (std::vector<std::int32_t>{4, 3, 4, 2, 4, 1, 3, 2, 3, 1, 2, 1}));
}

TEST(EnumerateCombinations, FifteenTakenSevenLandmarks) {
    const List<std::string> rows = Rows(15, 7);
    ASSERT_EQ(rows.Size(), 6435);
    EXPECT_EQ(rows.At(1), "15，14，13，12，11，10，9，");
    EXPECT_EQ(rows.At(2), "15，14，13，12，11，10，8，");
    EXPECT_EQ(rows.At(9), "15，14，13，12，11，10，1，");
    EXPECT_EQ(rows.At(10), "15，14，13，12，11，9，8，");
    EXPECT_EQ(rows.At(6435), "7，6，5，4，3，2，1，");

    List<std::string> pieces;
    const auto matrix = BuildComboMatrix(rows, 7, pieces);
    std::set<std::vector<std::int32_t>> distinct;
    for (std::int32_t r = 1; r <= 6435; ++r) {
        std::vector<std::int32_t> row;
        for (std::int32_t c = 1; c <= 7; ++c) row.push_back(matrix.At(r, c));
        for (std::size_t c = 1; c < row.size(); ++c) ASSERT_GT(row[c - 1], row[c]) << "row " << r;
        distinct.insert(row);
    }
    EXPECT_EQ(distinct.size(), 6435U);
}

TEST(EnumerateCombinations, GroupSizeOfAllOrOne) {
    EXPECT_EQ(Rows(5, 5).Elements(), (std::vector<std::string>{"5，4，3，2，1，"}));
    EXPECT_EQ(Rows(3, 1).Elements(), (std::vector<std::string>{"3，", "2，", "1，"}));
    List<std::string> pieces;
    EXPECT_EQ(BuildComboMatrix(Rows(3, 1), 1, pieces).Elements(),
              (std::vector<std::int32_t>{3, 2, 1}));
}

TEST(EnumerateCombinations, StopsWhenTheSinkAsksTo) {
    ProgramState state = testing_support::StartState();
    state.rowLength = 2;
    int seen = 0;
    EXPECT_FALSE(EnumerateCombinations(10, 2, state, [&](std::string&&) { return ++seen < 3; }));
    EXPECT_EQ(seen, 3);
}

TEST(EnumerateCombinationsDeathTest, AGroupSizeBeyondTheSlotsStops) {
    ProgramState state = testing_support::StartState();
    const RowSink ignore = [](std::string&&) { return true; };
    state.rowLength = 101;
    EXPECT_EXIT(EnumerateCombinations(101, 101, state, ignore), testing::ExitedWithCode(255),
                "code 1");
    state.rowLength = 0;
    EXPECT_EXIT(EnumerateCombinations(3, 0, state, ignore), testing::ExitedWithCode(255), "code 4");
}

}  // namespace
}  // namespace xuanhao
