#include "filter/run.h"

#include <algorithm>

#include "convert/message_box.h"
#include "filter/combo_matrix.h"
#include "filter/decomposition.h"
#include "filter/enumerate.h"
#include "filter/messages.h"
#include "filter/odd_even_ratio.h"
#include "filter/report.h"
#include "filter/run_start.h"
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
        anyOddEvenHit = true;
        lists_.sumHits = FilterBySumRange(lists_.oddEvenHits, groupSize_, window_);
        lists_.oddEvenHits.Release();
        if (lists_.sumHits.Empty()) return;
        anySumHit = true;
        const List<std::int32_t> pairs = FilterByDecomposition(lists_.sumHits, groupSize_, window_);
        lists_.sumHits.Release();
        Keep(pairs);
    }

    bool anyOddEvenHit = false;
    bool anySumHit = false;
    std::uint64_t foundCount = 0;

  private:
    void Keep(const List<std::int32_t>& pairs) {
        const std::int32_t rows = pairs.Empty() ? 0 : RowCount(pairs.Size(), groupSize_);
        foundCount += static_cast<std::uint64_t>(rows);
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

}  // namespace

RunResult RunFilter(ControlPort& window, ProgramState& state, const RunOptions& options) {
    RunLists lists;
    RunResult result;
    std::int32_t tickStart = 0;
    result.groupSize = state.groupSize;
    if (OpenRun(window, state, lists, tickStart)) {
        state.rowLength = state.groupSize;
        ChunkPipeline pipeline(window, lists, state.groupSize, options);
        EnumerateCombinations(state.candidateCount, state.groupSize, state, [&](std::string&& row) {
            lists.comboRows.Append(std::move(row));
            if (lists.comboRows.Size() >= options.chunkRows) pipeline.Process();
            return true;
        });
        pipeline.Process();

        // The message is that of the first stage no row of any chunk passed.
        if (!pipeline.anyOddEvenHit) {
            result.end = RunEnd::kNoOddEvenMatch;
            ShowMessage(std::string(messages::kNoOddEvenMatch));
        } else if (!pipeline.anySumHit) {
            result.end = RunEnd::kNoSumMatch;
            ShowMessage(std::string(messages::kNoSumMatch));
        } else if (pipeline.foundCount == 0) {
            result.end = RunEnd::kNoPairMatch;
            ShowMessage(std::string(messages::kNoPairMatch));
        } else {
            ReportRunResult(tickStart, pipeline.foundCount, window);
            ShapeAsRows(lists.pairHits, state.groupSize);
            result.end = RunEnd::kReported;
            result.foundCount = pipeline.foundCount;
            result.keptRows = std::move(lists.pairHits);
        }
    }
    // The common end: every list and text of the run is released.
    lists.Release();
    return result;
}

}  // namespace xuanhao
