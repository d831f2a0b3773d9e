// Start-up and shutdown of the whole program. Each test runs AppMain in a child
// process of its own (a death test), since a process opens its window layer once.
#include "app/app_main.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/globals.h"
#include "app/main_window.h"
#include "tests/support/recording_boxes.h"

namespace xuanhao {
namespace {

using testing::ExitedWithCode;

// Registered before AppMain, so it runs after every exit routine AppMain registers.
void ReportShutdown() {
    std::fprintf(stderr, "after exit: pickIndex %s\n",
                 Globals().pickIndex ? "still held" : "released");
}

class EchoingBoxes : public MessageBoxPort {
  public:
    void ShowInformation(const std::string&, const std::string&, int) override {}
    void ShowFatalError(const std::string& text) override {
        std::fprintf(stderr, "error box: %s\n", text.c_str());
    }
};

void RunProgram(std::function<void(MainWindow&)> afterOpen) {
    std::atexit(ReportShutdown);
    int argc = 1;
    char name[] = "xuanhao";
    char* argv[] = {name, nullptr};
    static EchoingBoxes boxes;
    std::exit(AppMain(argc, argv, {&boxes, std::move(afterOpen)}));
}

TEST(AppMainDeathTest, StartsWithTheGroupSizeOfTheWindowAndFreshState) {
    const auto reportState = [](MainWindow& window) {
        const ProgramState& state = Globals();
        bool zeros = state.pickIndex && state.pickIndex->Size() == 100;
        for (std::int64_t slot = 1; zeros && slot <= 100; ++slot)
            zeros = state.pickIndex->At(slot) == 0;
        std::fprintf(stderr, "visible %d groupSize %d counts %d %d %d slots %s\n",
                     window.isVisible(), state.groupSize, state.candidateCount, state.rowLength,
                     state.sortBound, zeros ? "zero" : "wrong");
        QTimer::singleShot(0, &window, &QWidget::close);
    };
    EXPECT_EXIT(RunProgram(reportState), ExitedWithCode(0),
                "visible 1 groupSize 7 counts 0 0 0 slots zero\nafter exit: pickIndex released\n$");
}

TEST(AppMainDeathTest, ClosingTheWindowEndsWithStatusZeroAfterTheExitRoutine) {
    const auto closeAtOnce = [](MainWindow& window) {
        QTimer::singleShot(0, &window, &QWidget::close);
    };
    EXPECT_EXIT(RunProgram(closeAtOnce), ExitedWithCode(0),
                "(^|\n)after exit: pickIndex released\n$");
}

TEST(AppMainDeathTest, AFatalStopEndsWithMinusOneWithoutTheExitRoutine) {
    const auto storeIntoSlot101 = [](MainWindow& window) {
        QTimer::singleShot(0, &window, [] { Globals().pickIndex->At(101) = 1; });
    };
    // No "after exit" line: neither ReleaseGlobals nor any other exit routine ran.
    EXPECT_EXIT(
        RunProgram(storeIntoSlot101), ExitedWithCode(255),
        "(^|\n)xuanhao: Run-time error, code 1[^\n]*\nerror box: Run-time error, code 1[^\n]*\n$");
}

}  // namespace
}  // namespace xuanhao
