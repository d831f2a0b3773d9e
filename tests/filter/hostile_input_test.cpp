// Large and hostile inputs: every one ends with the report or a message, the
// typed texts stay as they were, and runs leave nothing behind.
#include <gtest/gtest.h>
#include <malloc.h>

#include "filter/run.h"
#include "tests/support/fake_window.h"
#include "tests/support/recording_boxes.h"

namespace xuanhao {
namespace {

using testing_support::FakeWindow;

struct Hostile {
    const char* name;
    std::string candidates, odd, even, lower = "150", upper = "200", target = "33";
    RunEnd end;
    std::uint64_t found = 0;
};

std::string Numbers(int count, int step = 1) {
    std::string text;
    for (int v = 1; v <= count; ++v) text += std::to_string(v * step) + (v < count ? "," : "");
    return text;
}

TEST(HostileInput, EveryInputEndsWithTheReportOrAMessage) {
    const Hostile cases[] = {
        {"100,000 pasted numbers, group size 2", Numbers(100000), "1", "1", "0", "1000", "777",
         RunEnd::kReported, 388},
        {"100 of 100", Numbers(100), "50", "50", "5049", "5051", "101", RunEnd::kReported, 1},
        {"101 of 101 is out of range", Numbers(101), "51", "50", "0", "10", "3",
         RunEnd::kGroupSizeOutOfRange},
        {"commas only", ",,,,,,,,", "0", "2", "-1", "1", "0", RunEnd::kReported, 28},
        {"thirty-digit numbers", "123456789012345678901234567890,987654321098765432109876543210,5",
         "1", "1", "-2147483648", "2147483647", "1312754391", RunEnd::kReported, 1},
        {"embedded NUL", std::string("12\0,21,\0", 8) + "33,0", "1", "1", "-5", "40", "33",
         RunEnd::kReported, 1},
        {"invalid UTF-8", "\xff\xfe,\xc3\x28,12,21", "1", "1", "-5", "40", "33", RunEnd::kReported,
         1},
        {"negative counts", Numbers(10), "-2", "4", "0", "100", "5", RunEnd::kNoOddEvenMatch},
        {"count that wraps to 2", Numbers(10), "4294967298", "0", "0", "100", "4",
         RunEnd::kReported, 1},
        {"bounds that wrap", Numbers(10), "1", "1", "4294967296", "4294967306", "5",
         RunEnd::kReported, 2},
        {"group size above the slots", Numbers(300), "101", "0", "0", "1", "0",
         RunEnd::kGroupSizeOutOfRange},
    };
    for (const Hostile& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWindow window;
        ProgramState state = testing_support::StartState();
        window.TypeRunTexts({c.candidates, c.odd, c.even, c.lower, c.upper, c.target}, state);
        const auto typed = window.texts;
        testing_support::RecordingBoxes boxes;
        const RunResult result = RunFilter(window, state);
        EXPECT_EQ(result.end, c.end);
        EXPECT_EQ(result.foundCount, c.found);
        EXPECT_EQ(boxes.shown.size(), c.end == RunEnd::kReported ? 0U : 1U);
        for (const auto& [box, text] : typed) {
            if (box != "标签9") {
                EXPECT_EQ(window.texts[box], text) << box;
            }
        }
    }
}

TEST(HostileInput, ACancelledRunSaysSoAndChangesNothingElse) {
    FakeWindow window;
    ProgramState state = testing_support::StartState();
    // Values too spread for counting by sums, and no pair anywhere: a search
    // through every combination, stopped at the first look at the clock.
    window.TypeRunTexts({Numbers(60, 1000003), "7", "8", "-2147483648", "2147483647", "1"}, state);
    const auto typed = window.texts;
    RunOptions options;
    int checks = 0;
    options.progress = [&checks](double done, std::uint64_t) {
        EXPECT_GE(done, 0.0);
        EXPECT_LE(done, 1.0);
        return ++checks < 3;
    };
    testing_support::RecordingBoxes boxes;
    EXPECT_EQ(RunFilter(window, state, options).end, RunEnd::kCancelled);
    EXPECT_EQ(checks, 3);
    EXPECT_EQ(window.texts["标签9"], "已取消");
    EXPECT_TRUE(boxes.shown.empty());
    for (const auto& [box, text] : typed) {
        if (box != "标签9") {
            EXPECT_EQ(window.texts[box], text) << box;
        }
    }
}

#if !defined(__SANITIZE_ADDRESS__)
TEST(HostileInput, AThousandRunsLeaveTheMemoryInUseAsTheFirstDid) {
    FakeWindow window;
    ProgramState state = testing_support::StartState();
    testing_support::RecordingBoxes boxes;
    const auto runs = [&](int count) {
        for (int run = 0; run < count; ++run) {
            window.writes.clear();
            boxes.shown.clear();
            window.Type("分解数编辑框", run % 2 ? "33" : "1000",
                        state);  // the report, then a message
            RunFilter(window, state);
        }
    };
    runs(2);
    const std::size_t afterFirst = mallinfo2().uordblks;
    runs(1000);
    EXPECT_LE(mallinfo2().uordblks, afterFirst + 4096);
}
#endif

}  // namespace
}  // namespace xuanhao
