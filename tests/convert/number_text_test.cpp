#include "convert/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace xuanhao {
namespace {

TEST(NumberToText, WritesIntegersAsPlainDigits) {
    EXPECT_EQ(NumberToText(std::int32_t{-5}), "-5");
    EXPECT_EQ(NumberToText(std::int32_t{0}), "0");
    EXPECT_EQ(NumberToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(NumberToText(std::uint64_t{153335640}), "153335640");
    EXPECT_EQ(NumberToText(std::numeric_limits<std::uint64_t>::max()), "18446744073709551615");
}

TEST(NumberToText, WritesRealsToThirteenSignificantDigits) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {196.0, "196"},
        {0.0, "0"},
        {-0.0, "0"},
        {-15.0, "-15"},
        {2.5, "2.5"},
        {0.0001, "0.0001"},
        {1.0 / 3.0, "0.3333333333333"},
        {2147483647.0, "2147483647"},
        {9999999999999.0, "9999999999999"},
        {123.4567890123456, "123.4567890123"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(NumberToText(c.value), c.expected);
    }
}

}  // namespace
}  // namespace xuanhao
