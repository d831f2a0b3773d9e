#include "filter/survivors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "filter/run.h"
#include "tests/support/fake_window.h"
#include "tests/support/recording_boxes.h"

namespace xuanhao {
namespace {

// A run of 1..30 taken two at a time that keeps only `kept` of its rows.
RunRecord RecordKeeping(std::int64_t kept) {
    testing_support::FakeWindow window;
    ProgramState state = testing_support::StartState();
    std::string list;
    for (int v = 1; v <= 30; ++v) list += std::to_string(v) + ",";
    window.TypeRunTexts({list, "1", "2", "0", "60", "31"}, state);
    const auto texts = window.texts;
    RunOptions options;
    options.keptRowLimit = kept;
    RunResult result = RunFilter(window, state, options);
    return {texts, result.groupSize, result.foundCount, std::move(result.keptRows).TakeElements()};
}

TEST(WriteSurvivors, WritesEveryRowAlsoBeyondTheKeptOnes) {
    const RunRecord all = RecordKeeping(1000000);
    const RunRecord some = RecordKeeping(5);
    ASSERT_EQ(all.KeptCount(), all.foundCount);
    ASSERT_EQ(some.KeptCount(), 5U);
    ASSERT_GT(some.foundCount, 100U);
    for (const RowFormat format : {RowFormat::kSpaced, RowFormat::kComma, RowFormat::kCsv}) {
        std::ostringstream fromKept, fromRerun;
        EXPECT_TRUE(WriteSurvivors(fromKept, format, all));
        EXPECT_TRUE(WriteSurvivors(fromRerun, format, some));
        EXPECT_EQ(fromRerun.str(), fromKept.str());
    }
    std::ostringstream csv;
    WriteSurvivors(csv, RowFormat::kCsv, some);
    EXPECT_EQ(csv.str().substr(0, csv.str().find('\n', csv.str().find('\n') + 1)),
              "序号,号码1,号码2,号码3\n1,1,2,30");
}

TEST(SaveSurvivors, TheFileHoldsTheFoundCountOfRowsAndNoPartLeftOver) {
    const RunRecord some = RecordKeeping(5);
    const std::string path = ::testing::TempDir() + "survivors.txt";
    ASSERT_EQ(SaveSurvivors(path, RowFormat::kSpaced, some), "");
    std::ifstream in(path);
    std::uint64_t lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    EXPECT_EQ(lines, some.foundCount);
    for (const auto& entry : std::filesystem::directory_iterator(::testing::TempDir())) {
        EXPECT_EQ(entry.path().string().find(".part-"), std::string::npos) << entry.path();
    }
    std::filesystem::remove(path);
    EXPECT_NE(SaveSurvivors("/nonexistent-folder/x.txt", RowFormat::kSpaced, some), "");
    EXPECT_FALSE(std::filesystem::exists("/nonexistent-folder/x.txt"));
}

}  // namespace
}  // namespace xuanhao
