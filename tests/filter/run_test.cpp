// Whole runs through the window port, as a click on 开始处理 makes them.
#include "filter/run.h"

#include <gtest/gtest.h>

#include <regex>

#include "tests/support/fake_window.h"
#include "tests/support/recording_boxes.h"

namespace xuanhao {
namespace {

using testing_support::FakeWindow;
using testing_support::RecordingBoxes;

struct Outcome {
    RunEnd end;
    std::string message;  // empty when the run reported
    std::string label;
    std::uint64_t found;
    std::vector<std::int32_t> rows;
};

Outcome RunOnce(FakeWindow& window, ProgramState& state, const RunOptions& options = {}) {
    RecordingBoxes boxes;
    RunResult result = RunFilter(window, state, options);
    EXPECT_LE(boxes.shown.size(), 1U) << "at most one message per run";
    Outcome outcome{result.end, "", window.texts["标签9"], result.foundCount,
                    result.keptRows.Elements()};
    if (!boxes.shown.empty()) {
        EXPECT_EQ(boxes.shown[0].caption, "信息：");
        EXPECT_EQ(boxes.shown[0].flags, 0) << "a single OK button";
        outcome.message = boxes.shown[0].text;
    }
    return outcome;
}

TEST(RunFilter, TheTextsAtStartFindTwoCombinations) {
    FakeWindow window;
    ProgramState state = testing_support::StartState();
    const Outcome outcome = RunOnce(window, state);
    EXPECT_EQ(outcome.end, RunEnd::kReported);
    EXPECT_EQ(outcome.message, "");
    EXPECT_TRUE(std::regex_match(outcome.label, std::regex("耗  时：[0-9]+ 毫秒\r\n共找到：2 组")))
        << outcome.label;
    EXPECT_EQ(outcome.found, 2U);
    EXPECT_EQ(outcome.rows,
              (std::vector<std::int32_t>{11, 12, 14, 22, 24, 26, 88, 11, 12, 14, 22, 24, 26, 90}));
    ASSERT_GE(window.writes.size(), 2U);
    EXPECT_EQ(window.writes.front(), (std::pair<std::string, std::string>{"标签9", ""}))
        << "emptied first";
    // The program-wide state keeps what the run left.
    EXPECT_EQ(state.candidateCount, 15);
    EXPECT_EQ(state.rowLength, 7);
    EXPECT_EQ(state.sortBound, 0);
    EXPECT_EQ(state.pickIndex->At(1), 1);
    EXPECT_EQ(state.pickIndex->At(7), 7);
}

struct EndCase {
    const char* name;
    std::map<std::string, std::string> typed;
    RunEnd end;
    const char* message;
};

TEST(RunFilter, EveryWayARunEnds) {
    const std::string list100 = [] {
        std::string text;
        for (int v = 1; v <= 120; ++v) text += std::to_string(v) + ",";
        return text;
    }();
    const EndCase cases[] = {
        {"group size one above the candidates",
         {{"编辑框1", "1,2,3,4,5,6"}},
         RunEnd::kGroupSizeOutOfRange,
         "组选数 超出范围!"},
        {"empty candidate list",
         {{"编辑框1", ""}},
         RunEnd::kGroupSizeOutOfRange,
         "组选数 超出范围!"},
        {"counts 0 and 0",
         {{"奇数编辑框", "0"}, {"偶数编辑框", "0"}},
         RunEnd::kGroupSizeOutOfRange,
         "组选数 超出范围!"},
        {"empty list and group size 0",
         {{"编辑框1", ""}, {"奇数编辑框", "0"}, {"偶数编辑框", "0"}},
         RunEnd::kGroupSizeOutOfRange,
         "组选数 超出范围!"},
        {"negative group size",
         {{"奇数编辑框", "-7"}},
         RunEnd::kGroupSizeOutOfRange,
         "组选数 超出范围!"},
        {"group size 120 of 120 candidates",
         {{"编辑框1", list100}, {"奇数编辑框", "60"}, {"偶数编辑框", "60"}},
         RunEnd::kGroupSizeOutOfRange,
         "组选数 超出范围!"},
        {"group size wraps to the least integer",
         {{"奇数编辑框", "2147483647"}, {"偶数编辑框", "1"}},
         RunEnd::kGroupSizeOutOfRange,
         "组选数 超出范围!"},
        {"no row with 8 odd and -1 even",
         {{"奇数编辑框", "8"}, {"偶数编辑框", "-1"}},
         RunEnd::kNoOddEvenMatch,
         "没有符合奇偶比要求的结果!"},
        {"no sum between 150 and 151",
         {{"后数文本框", "151"}},
         RunEnd::kNoSumMatch,
         "没有符合结果之和要求的结果!"},
        {"empty upper bound",
         {{"后数文本框", ""}},
         RunEnd::kNoSumMatch,
         "没有符合结果之和要求的结果!"},
        {"no pair adds up to 1000",
         {{"分解数编辑框", "1000"}},
         RunEnd::kNoPairMatch,
         "没有符合分解数要求的结果!"},
        {"group size equal to the candidates",
         {{"编辑框1", "1,2,3,4,5,6,8"},
          {"奇数编辑框", "3"},
          {"偶数编辑框", "4"},
          {"前数文本框", "0"},
          {"分解数编辑框", "3"}},
         RunEnd::kReported,
         ""},
    };
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWindow window;
        ProgramState state = testing_support::StartState();
        for (const auto& [box, text] : c.typed) window.Type(box, text, state);
        const auto textsBefore = window.texts;
        const Outcome first = RunOnce(window, state);
        EXPECT_EQ(first.end, c.end);
        EXPECT_EQ(first.message, c.message);
        if (c.end != RunEnd::kReported) {
            EXPECT_EQ(first.label, "") << "a run that ends early leaves it empty";
        }
        for (const auto& [box, text] : textsBefore) {
            if (box != "标签9") {
                EXPECT_EQ(window.texts[box], text) << box << " is unchanged";
            }
        }
        // Nothing of the first run reaches the second.
        const Outcome second = RunOnce(window, state);
        EXPECT_EQ(second.end, first.end);
        EXPECT_EQ(second.message, first.message);
        EXPECT_EQ(second.found, first.found);
        EXPECT_EQ(second.rows, first.rows);
    }
}

TEST(RunFilter, OneHundredOfOneHundredIsOneRow) {
    FakeWindow window;
    ProgramState state = testing_support::StartState();
    std::string list;
    for (int v = 1; v <= 100; ++v) list += std::to_string(v) + ",";
    window.TypeRunTexts({list, "50", "50", "5049", "5051", "101"}, state);
    const Outcome outcome = RunOnce(window, state);
    EXPECT_EQ(outcome.end, RunEnd::kReported);
    EXPECT_EQ(outcome.found, 1U);
    ASSERT_EQ(outcome.rows.size(), 100U);
    EXPECT_EQ(outcome.rows.front(), 1);
    EXPECT_EQ(outcome.rows.back(), 100);
}

TEST(RunFilter, CountsBeyondTheKeptRows) {
    FakeWindow window;
    ProgramState state = testing_support::StartState();
    window.TypeRunTexts({"1,2,3,4,5,6,7,8,9,10,11,12", "1", "1", "0", "100", "13"}, state);
    const Outcome all = RunOnce(window, state);
    const Outcome kept = RunOnce(window, state, [] {
        RunOptions options;
        options.keptRowLimit = 2;
        return options;
    }());
    EXPECT_EQ(all.found, 6U);  // 1+12, 3+10, 5+8, 7+6, 9+4, 11+2
    EXPECT_EQ(kept.found, 6U);
    ASSERT_EQ(kept.rows.size(), 4U);
    EXPECT_TRUE(std::equal(kept.rows.begin(), kept.rows.end(), all.rows.begin()));
    EXPECT_NE(kept.label.find("共找到：6 组"), std::string::npos);
}

}  // namespace
}  // namespace xuanhao
