#include "filter/text_round_trip.h"

#include <algorithm>

#include "convert/tick_count.h"
#include "filter/combo_matrix.h"
#include "filter/decomposition.h"
#include "filter/enumerate.h"
#include "filter/odd_even_ratio.h"
#include "filter/sum_range.h"
#include "filter/value_rows.h"

namespace xuanhao {

namespace {

// Takes the enumerated rows a chunk at a time through the matrix and the three
// filters, and notes which stages any row has passed so far.
class ChunkPipeline {
  public:
    ChunkPipeline(ControlPort& window, RunLists& lists, std::int32_t groupSize,
                  const RunOptions& options)
        : window_(window), lists_(lists), groupSize_(groupSize), options_(options) {}

    void Process() {
        if (lists_.comboRows.Empty()) return;
        lists_.comboMatrix = BuildComboMatrix(lists_.comboRows, groupSize_, lists_.rowPieces);
        lists_.comboRows.Release();
        lists_.oddEvenHits =
            FilterByOddEvenRatio(lists_.comboMatrix, lists_.candidateValues, groupSize_, window_);
        lists_.comboMatrix.Release();
        if (lists_.oddEvenHits.Empty()) return;
        outcome.anyOddEvenHit = true;
        lists_.sumHits = FilterBySumRange(lists_.oddEvenHits, groupSize_, window_);
        lists_.oddEvenHits.Release();
        if (lists_.sumHits.Empty()) return;
        outcome.anySumHit = true;
        const List<std::int32_t> pairs = FilterByDecomposition(lists_.sumHits, groupSize_, window_);
        lists_.sumHits.Release();
        Keep(pairs);
    }

    StageOutcome outcome;

  private:
    void Keep(const List<std::int32_t>& pairs) {
        const std::int32_t rows = pairs.Empty() ? 0 : RowCount(pairs.Size(), groupSize_);
        outcome.foundCount += static_cast<std::uint64_t>(rows);
        const std::int64_t keptRows = lists_.pairHits.Size() / groupSize_;
        const std::int64_t room = std::max<std::int64_t>(options_.keptRowLimit - keptRows, 0);
        const std::int64_t keep = std::min<std::int64_t>(rows, room);
        for (std::int64_t flat = 1; flat <= keep * groupSize_; ++flat)
            lists_.pairHits.Append(pairs.At(flat));
    }

    ControlPort& window_;
    RunLists& lists_;
    std::int32_t groupSize_;
    const RunOptions& options_;
};

// The share of all rows that come before the current one, from the top two slots.
double FractionDone(const ProgramState& state) {
    const std::int32_t n = state.candidateCount;
    const std::int32_t g = state.groupSize;
    double all = 1, before = 0;
    for (std::int32_t i = 0; i < g; ++i) all = all * (n - i) / (i + 1);
    double atOrBelowTop = 1;  // C(top, g)
    const std::int32_t top = state.pickIndex->At(g);
    for (std::int32_t i = 0; i < g; ++i) atOrBelowTop = atOrBelowTop * (top - i) / (i + 1);
    before = all - atOrBelowTop;
    return all > 0 ? std::clamp(before / all, 0.0, 1.0) : 0.0;
}

}  // namespace

StageOutcome RunTextRoundTrip(ControlPort& window, ProgramState& state, RunLists& lists,
                              const RunOptions& options) {
    ChunkPipeline pipeline(window, lists, state.groupSize, options);
    std::uint32_t rowsSinceCheck = 0;
    const bool completed =
        EnumerateCombinations(state.candidateCount, state.groupSize, state, [&](std::string&& row) {
            lists.comboRows.Append(std::move(row));
            if (lists.comboRows.Size() >= options.chunkRows) pipeline.Process();
            if (options.progress && ++rowsSinceCheck == 4096) {
                rowsSinceCheck = 0;
                return options.progress(FractionDone(state), pipeline.outcome.foundCount);
            }
            return true;
        });
    if (completed) pipeline.Process();
    pipeline.outcome.cancelled = !completed;
    return pipeline.outcome;
}

}  // namespace xuanhao
