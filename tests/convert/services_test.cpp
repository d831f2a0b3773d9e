#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <vector>

#include "convert/fatal_stop.h"
#include "convert/message_box.h"
#include "convert/tick_count.h"
#include "tests/support/recording_boxes.h"

namespace xuanhao {
namespace {

using testing_support::RecordingBoxes;

TEST(ShowMessage, UsesTheDefaultCaptionWithoutTitle) {
    RecordingBoxes boxes;
    ShowMessage("组选数 超出范围!");
    ShowMessage("x", 0, "标题");
    ASSERT_EQ(boxes.shown.size(), 2U);
    EXPECT_EQ(boxes.shown[0].caption, "信息：");
    EXPECT_EQ(boxes.shown[0].text, "组选数 超出范围!");
    EXPECT_EQ(boxes.shown[0].flags, 0);
    EXPECT_EQ(boxes.shown[1].caption, "标题");
}

void NoteExitRoutine() { std::fputs("exit routine ran\n", stderr); }

// Reports on stderr what the error box said, so that a death test can see it.
class EchoingBoxes : public RecordingBoxes {
  public:
    void ShowFatalError(const std::string& text) override {
        std::fprintf(stderr, "box: %s\n", text.c_str());
    }
};

void StopWithCode(int code, MessageBoxPort* boxes) {
    std::atexit(NoteExitRoutine);
    InstallMessageBoxPort(boxes);
    RunTimeError(code);
}

TEST(RunTimeErrorDeathTest, ShowsTheBoxAndEndsWithoutTheExitRoutine) {
    EchoingBoxes boxes;
    // The whole of stderr must match: the exit routine's note would break the match.
    EXPECT_EXIT(StopWithCode(kIndexAboveSize, &boxes), testing::ExitedWithCode(255),
                "^xuanhao: Run-time error, code 1: an index is above the size of its "
                "dimension.\nbox: Run-time error, code 1: [^\n]*\n$");
    EXPECT_EXIT(StopWithCode(kIndexBelowOne, nullptr), testing::ExitedWithCode(255),
                "^xuanhao: Run-time error, code 4: an index is below 1.\n$");
}

TEST(TickCount, ElapsedIsRightAcrossTheWrap) {
    EXPECT_EQ(ElapsedMs(5, 5), 0U);
    EXPECT_EQ(ElapsedMs(static_cast<std::int32_t>(4294967290U), 10), 16U);
    EXPECT_EQ(ElapsedMs(2147483647, std::numeric_limits<std::int32_t>::min()), 1U);
    const std::int32_t first = TickCountMs();
    EXPECT_LT(ElapsedMs(first, TickCountMs()), 1000U);
}

}  // namespace
}  // namespace xuanhao
