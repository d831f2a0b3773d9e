#include "convert/reals.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

namespace xuanhao {
namespace {

TEST(IsOdd, PositiveOddValuesOnly) {
    for (std::int32_t v : {1, 99, 2147483647}) EXPECT_TRUE(IsOdd(v)) << v;
    for (std::int32_t v : {0, 2, -3, -4, std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_FALSE(IsOdd(v)) << v;
    }
}

TEST(NearlyEqual, BoundIsInsideAndNanDifferenceCountsAsEqual) {
    struct Case {
        const char* name;
        double a, b;
        bool expected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"equal", 1.0, 1.0, true},
        {"beyond the tolerance", 1.0, 1.0000002, false},
        {"exactly the tolerance", 1e-7, 0.0, true},
        {"same infinities", inf, inf, true},
        {"one infinite", inf, 5.0, false},
        {"opposite infinities", inf, -inf, false},
        {"NaN operand", std::nan(""), 1.0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NearlyEqual(c.a, c.b), c.expected);
    }
}

TEST(FloatingPointEnvironment, DivisionsByZeroGiveInfinitiesAndNan) {
    ResetFloatingPointEnvironment();
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    volatile double zero = 0.0;
    EXPECT_EQ(1.0 / zero, std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(zero / zero));
}

}  // namespace
}  // namespace xuanhao
