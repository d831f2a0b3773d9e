#include "convert/split_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace xuanhao {
namespace {

struct SplitCase {
    const char* name;
    std::string text;
    std::string delimiter;
    std::optional<std::int32_t> limit;
    std::vector<std::string> expected;
};

TEST(SplitText, SplitsAtTheDelimiterAndKeepsEmptyItems) {
    const std::optional<std::int32_t> none;
    const SplitCase cases[] = {
        {"empty item kept", "11,24,,3", ",", none, {"11", "24", "", "3"}},
        {"trailing comma adds nothing", "1,2,", ",", none, {"1", "2"}},
        {"lone comma", ",", ",", none, {""}},
        {"leading comma", ",5", ",", none, {"", "5"}},
        {"empty text", "", ",", none, {}},
        {"no delimiter", "abc", ",", none, {"abc"}},
        {"full-width comma is no half-width one", "11，24", ",", none, {"11，24"}},
        {"items are not trimmed", "1, 2", ",", none, {"1", " 2"}},
        {"full-width delimiter with limit 3", "3，5，7，", "，", 3, {"3", "5", "7"}},
        {"limit 2 drops the rest", "3，5，7，", "，", 2, {"3", "5"}},
        {"limit 0", "3，5，7，", "，", 0, {}},
        {"negative limit counts as 0", "3，5，7，", "，", -1, {}},
        {"empty delimiter", "a,b", "", none, {"a,b"}},
        {"row text of the enumeration", "15，14，9，", "，", 3, {"15", "14", "9"}},
        {"multi-byte delimiter", "1<>2<>", "<>", none, {"1", "2"}},
        // The delimiter's bytes occur inside a character: never split there.
        {"no match inside a character", "\xe4\xb8\x80\xbc\x8c", "\xbc\x8c", none, {"\xe4\xb8\x80"}},
        {"invalid bytes are characters of their own", "\xff,\xfe", ",", none, {"\xff", "\xfe"}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const List<std::string> items = SplitText(c.text, c.delimiter, c.limit);
        EXPECT_EQ(items.Elements(), c.expected);
    }
}

TEST(SplitText, DefaultsToTheHalfWidthCommaWithoutLimit) {
    EXPECT_EQ(SplitText("1,,2").Elements(), (std::vector<std::string>{"1", "", "2"}));
}

TEST(Concat, JoinsEveryOperandInOrder) {
    EXPECT_EQ(Concat({"耗  时：", "47", " 毫秒\r\n共找到：", "", "2", " 组"}),
              "耗  时：47 毫秒\r\n共找到：2 组");
}

}  // namespace
}  // namespace xuanhao
