#include "convert/checked_array.h"

#include <gtest/gtest.h>

namespace xuanhao {
namespace {

using testing::ExitedWithCode;

TEST(CheckedArray, ListIsIndexedFromOne) {
    List<int> list;
    for (int v : {7, 8, 9}) list.Append(v);
    EXPECT_EQ(list.At(1), 7);
    EXPECT_EQ(list.At(3), 9);
}

TEST(CheckedArray, TableIsRowMajorAndKeepsValuesWhenShaped) {
    List<int> values;
    for (int v = 1; v <= 6; ++v) values.Append(v);
    values.Dimension({3, 2});
    EXPECT_EQ(values.At(2, 1), 3);
    EXPECT_EQ(values.At(3, 2), 6);
    EXPECT_EQ(values.At(5), 5);  // one index walks the flat sequence
    auto cube = CheckedArray<int>::Table(2, 3, 4);
    cube.At(2, 3, 4) = 42;
    EXPECT_EQ(cube.At(24), 42);
}

TEST(CheckedArrayDeathTest, FailedTestsStopWithTheirCodes) {
    auto table = CheckedArray<int>::Table(2, 3);
    List<int> list;
    list.Append(1);
    EXPECT_EXIT(list.At(0), ExitedWithCode(255), "code 4");
    EXPECT_EXIT(list.At(2), ExitedWithCode(255), "code 1");
    EXPECT_EXIT(table.At(7), ExitedWithCode(255), "code 1");
    EXPECT_EXIT(table.At(3, 1), ExitedWithCode(255), "code 1");
    EXPECT_EXIT(table.At(1, 4), ExitedWithCode(255), "code 1");
    EXPECT_EXIT(table.At(1, 1, 1), ExitedWithCode(255), "code 3");
    EXPECT_EXIT(list.At(1, 1), ExitedWithCode(255), "code 3");
    // Below 1 is tested before the number of indices, and that before the sizes.
    EXPECT_EXIT(table.At(9, 9, 0), ExitedWithCode(255), "code 4");
    EXPECT_EXIT(table.At(9, 9, 9), ExitedWithCode(255), "code 3");
    EXPECT_EXIT(CheckedArray<int>::Table(0, 3), ExitedWithCode(255), "code 10");
    EXPECT_EXIT(CheckedArray<int>::Table(3, -1), ExitedWithCode(255), "code 10");
    EXPECT_EXIT(CheckedArray<int>::Table(1LL << 40, 1LL << 40), ExitedWithCode(255),
                "Out of memory");
}

}  // namespace
}  // namespace xuanhao
