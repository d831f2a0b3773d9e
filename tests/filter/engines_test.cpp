// Every way of computing a run gives the same messages, counts and rows: the
// text round trip in chunks of any size, the pruned search, with and without
// counting by sums, and with a small number of kept rows.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "filter/run.h"
#include "tests/support/fake_window.h"
#include "tests/support/recording_boxes.h"

namespace xuanhao {
namespace {

using Texts = testing_support::RunTexts;

struct Outcome {
    RunEnd end;
    std::string message;
    std::string countLine;  // the report's second line
    std::uint64_t found;
    std::vector<std::int32_t> rows;
    std::vector<std::int32_t> pickIndex;
    std::int32_t sortBound;

    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    return out << "end " << static_cast<int>(o.end) << " message '" << o.message << "' found "
               << o.found << " rows " << o.rows.size();
}

Outcome RunWith(const Texts& texts, const RunOptions& options) {
    testing_support::FakeWindow window;
    ProgramState state = testing_support::StartState();
    window.TypeRunTexts(texts, state);
    testing_support::RecordingBoxes boxes;
    const RunResult result = RunFilter(window, state, options);
    const std::string label = window.texts["标签9"];
    return {result.end,
            boxes.shown.empty() ? "" : boxes.shown[0].text,
            label.find("\r\n") == std::string::npos ? label : label.substr(label.find("\r\n")),
            result.foundCount,
            result.keptRows.Elements(),
            state.pickIndex->Elements(),
            state.sortBound};
}

RunOptions Options(RunEngine engine, std::int64_t chunkRows, bool countBySums, std::int64_t kept) {
    RunOptions options;
    options.engine = engine;
    options.chunkRows = chunkRows;
    options.countBySums = countBySums;
    options.keptRowLimit = kept;
    return options;
}

// Runs the texts every way and expects one outcome; returns it.
// Runs the texts through the pruned search, with and without counting by
// sums, and expects the outcome of the text round trip in chunks of every size
// in `chunks`; returns it.
Outcome ExpectSameEveryWay(const Texts& texts, std::int64_t kept = 1000000,
                           std::vector<std::int64_t> chunks = {1 << 30, 1, 7}) {
    const Outcome plain = RunWith(texts, Options(RunEngine::kTextRoundTrip, chunks[0], true, kept));
    for (std::size_t c = 1; c < chunks.size(); ++c) {
        EXPECT_EQ(RunWith(texts, Options(RunEngine::kTextRoundTrip, chunks[c], true, kept)), plain)
            << "chunk of " << chunks[c];
    }
    EXPECT_EQ(RunWith(texts, Options(RunEngine::kPrunedSearch, 0, true, kept)), plain)
        << "pruned, by sums";
    EXPECT_EQ(RunWith(texts, Options(RunEngine::kPrunedSearch, 0, false, kept)), plain)
        << "pruned, enumerating";
    return plain;
}

std::string Range(int from, int to) {
    std::string text;
    for (int v = from; v <= to; ++v) text += std::to_string(v) + (v < to ? "," : "");
    return text;
}

TEST(Engines, AgreeOnEveryKindOfInput) {
    struct Case {
        const char* name;
        Texts texts;
        RunEnd end;
    };
    const Case cases[] = {
        {"texts at start",
         {"11,24,34,1,3,5,67,88,90,12,22,14,26,27,99", "1", "6", "150", "200", "33"},
         RunEnd::kReported},
        {"negative odd values count as even",
         {"-3,-5,2,4,7,9,-1", "1", "2", "-20", "20", "1"},
         RunEnd::kReported},
        {"odd count equal to the group size",
         {Range(1, 14), "4", "0", "10", "40", "16"},
         RunEnd::kReported},
        {"both counts 0", {"1,2,3", "0", "0", "0", "10", "3"}, RunEnd::kGroupSizeOutOfRange},
        {"no accepted odd count",
         {Range(1, 12), "8", "-1", "0", "100", "13"},
         RunEnd::kNoOddEvenMatch},
        {"too few odd values", {"2,4,6,8,1", "2", "1", "0", "100", "10"}, RunEnd::kNoOddEvenMatch},
        {"sums wrap near 2147483647",
         {"2147483647,2147483646,2147483645,2147483000,5,7,8,10", "2", "1", "-2147483648", "0",
          "15"},
         RunEnd::kReported},
        {"sums wrap and miss",
         {"2147483647,2147483645,2147483643", "3", "0", "2147483639", "2147483647", "-2"},
         RunEnd::kNoSumMatch},
        {"pair sums do not wrap",
         {"2147483647,2147483647,1,-2", "2", "1", "-2147483648", "2147483647", "-2"},
         RunEnd::kNoPairMatch},
        {"half the target, one copy",
         {"12,5,7,9,2", "2", "1", "0", "100", "24"},
         RunEnd::kNoPairMatch},
        {"half the target, two copies",
         {"12,5,12,9,2", "1", "2", "0", "100", "24"},
         RunEnd::kReported},
        {"lower bound above upper", {Range(1, 10), "1", "1", "20", "10", "5"}, RunEnd::kNoSumMatch},
        {"group size 1", {Range(1, 10), "1", "0", "0", "100", "5"}, RunEnd::kNoPairMatch},
        {"group size equal to the candidates",
         {Range(1, 8), "4", "4", "0", "100", "9"},
         RunEnd::kReported},
        {"more than 62 candidates",
         {Range(1, 70), "1", "1", "100", "130", "125"},
         RunEnd::kReported},
        {"more than 64 candidates, three members",
         {Range(-40, 40), "1", "2", "-5", "5", "0"},
         RunEnd::kReported},
        {"empty and repeated items",
         {"5,,5,0,05,,3", "2", "1", "0", "100", "5"},
         RunEnd::kReported},
        {"full-width and stray texts",
         {"１２,abc,7,3.5,  9,+4,－2", "2", "2", "0", "100", "10"},
         RunEnd::kReported},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ExpectSameEveryWay(c.texts).end, c.end);
        ExpectSameEveryWay(c.texts, 3);  // and when only a few rows are kept
    }
}

TEST(Engines, AgreeOnThousandsOfRandomInputs) {
    std::mt19937_64 random(7);
    const auto pick = [&](std::int64_t low, std::int64_t high) {
        return low +
               static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(high - low + 1));
    };
    int reported = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        const int count = static_cast<int>(pick(1, 18));
        // Small lottery numbers, signed ones, and numbers near the ends of 32 bits.
        const int kind = static_cast<int>(pick(0, 2));
        std::vector<std::int64_t> values;
        std::string candidates;
        for (int i = 0; i < count; ++i) {
            const std::int64_t v =
                kind == 0   ? pick(0, 40)
                : kind == 1 ? pick(-20, 20)
                            : (pick(0, 1) ? 2147483647 - pick(0, 6) : -2147483648LL + pick(0, 6));
            values.push_back(v);
            candidates += std::to_string(v) + (i + 1 < count ? "," : "");
        }
        const std::int64_t groupSize = pick(1, std::min(count, 9));
        const std::int64_t odd = pick(-1, groupSize + 1);
        const std::int64_t a = values[static_cast<std::size_t>(pick(0, count - 1))];
        const std::int64_t b = values[static_cast<std::size_t>(pick(0, count - 1))];
        const std::int64_t middle =
            kind == 2 ? pick(-2147483647, 2147483647) : (a + b) * groupSize / 2;
        const std::int64_t spread = kind == 2 ? pick(0, 1LL << 31) : pick(0, 60);
        const Texts texts{
            candidates,
            std::to_string(odd),
            std::to_string(groupSize - odd),
            std::to_string(std::max<std::int64_t>(middle - spread, INT32_MIN)),
            std::to_string(std::min<std::int64_t>(middle + spread, INT32_MAX)),
            std::to_string(pick(0, 3) ? std::clamp<std::int64_t>(a + b, INT32_MIN, INT32_MAX)
                                      : pick(-50, 50))};
        SCOPED_TRACE("trial " + std::to_string(trial) + ": " + candidates + " | " + texts.odd +
                     " " + texts.even + " | " + texts.lower + " " + texts.upper + " | " +
                     texts.target);
        // One chunk size a trial, in turn: the table of cases above runs them all.
        const std::int64_t chunk = std::array<std::int64_t, 3>{1 << 30, 1, 7}[trial % 3];
        const Outcome outcome = ExpectSameEveryWay(texts, pick(1, 4), {chunk});
        reported += outcome.end == RunEnd::kReported;
        if (::testing::Test::HasFailure()) break;
    }
    EXPECT_GT(reported, 100) << "the random inputs reach the report often enough to compare rows";
}

}  // namespace
}  // namespace xuanhao
