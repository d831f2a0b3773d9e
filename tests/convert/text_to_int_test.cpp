#include "convert/text_to_int.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace xuanhao {
namespace {

struct TextCase {
    const char* name;
    std::string text;
    std::int32_t expected;
};

TEST(TextToInt, ConvertsByTheRulesOfTheWindow) {
    const TextCase cases[] = {
        {"empty", "", 0},
        {"no digits", "abc", 0},
        {"trailing letters", "12abc", 12},
        {"fraction cut", "3.9", 3},
        {"leading spaces and minus", "  -7", -7},
        {"plus", "+5", 5},
        {"two minus signs", "--5", 0},
        {"space after the sign", "- 5", 0},
        {"space inside", "12 34", 12},
        {"white space of every kind", "\t\n\v\f\r 8", 8},
        {"full-width digits", "１２", 12},
        {"full-width minus", "－１２", -12},
        {"full-width plus", "＋７", 7},
        {"ideographic space",
         "\u3000"
         "12",
         12},
        {"full-width comma ends the number", "11，24", 11},
        {"largest", "2147483647", 2147483647},
        {"one past the largest wraps", "2147483648", std::numeric_limits<std::int32_t>::min()},
        {"one below the least wraps", "-2147483649", 2147483647},
        {"thirty digits wrap", "123456789012345678901234567890", 1312754386},
        {"other CJK character stops", "１二", 1},
        {"invalid UTF-8 byte stops",
         "4\xff"
         "5",
         4},
        {"truncated full-width digit", "7\xef\xbc", 7},
        {"embedded NUL stops",
         std::string("9\0"
                     "1",
                     3),
         9},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TextToInt(c.text), c.expected);
    }
}

TEST(RealToInt, TruncatesAndKeepsTheLow32Bits) {
    struct RealCase {
        const char* name;
        double value;
        std::int32_t expected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const RealCase cases[] = {
        {"positive fraction", 2.9, 2},
        {"negative fraction", -2.7, -2},
        {"2^31 wraps", 2147483648.0, std::numeric_limits<std::int32_t>::min()},
        {"-2^31 - 1 wraps", -2147483649.0, 2147483647},
        {"2^32 + 5", 4294967301.0, 5},
        {"NaN", std::nan(""), 0},
        {"+inf", inf, 0},
        {"-inf", -inf, 0},
        {"2^63 is outside", 9223372036854775808.0, 0},
        {"-2^63 is inside", -9223372036854775808.0, 0},
    };
    for (const RealCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RealToInt(c.value), c.expected);
    }
}

}  // namespace
}  // namespace xuanhao
