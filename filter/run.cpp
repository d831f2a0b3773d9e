#include "filter/run.h"

#include "convert/message_box.h"
#include "filter/control_names.h"
#include "filter/messages.h"
#include "filter/pruned_run.h"
#include "filter/report.h"
#include "filter/run_start.h"
#include "filter/text_round_trip.h"
#include "filter/value_rows.h"

namespace xuanhao {

RunResult RunFilter(ControlPort& window, ProgramState& state, const RunOptions& options) {
    RunLists lists;
    RunResult result;
    std::int32_t tickStart = 0;
    result.groupSize = state.groupSize;
    if (!OpenRun(window, state, lists, tickStart)) {
        lists.Release();
        return result;
    }
    state.rowLength = state.groupSize;
    const StageOutcome outcome = options.engine == RunEngine::kTextRoundTrip
                                     ? RunTextRoundTrip(window, state, lists, options)
                                     : RunPrunedSearch(window, state, lists, options);

    // The message is that of the first stage no combination passed.
    if (outcome.cancelled) {
        result.end = RunEnd::kCancelled;
        window.SetControlText(controls::标签9, std::string(messages::kCancelled));
    } else if (!outcome.anyOddEvenHit) {
        result.end = RunEnd::kNoOddEvenMatch;
        ShowMessage(std::string(messages::kNoOddEvenMatch));
    } else if (!outcome.anySumHit) {
        result.end = RunEnd::kNoSumMatch;
        ShowMessage(std::string(messages::kNoSumMatch));
    } else if (outcome.foundCount == 0) {
        result.end = RunEnd::kNoPairMatch;
        ShowMessage(std::string(messages::kNoPairMatch));
    } else {
        ReportRunResult(tickStart, outcome.foundCount, window);
        if (!lists.pairHits.Empty()) ShapeAsRows(lists.pairHits, state.groupSize);
        result.end = RunEnd::kReported;
        result.foundCount = outcome.foundCount;
        result.keptRows = std::move(lists.pairHits);
    }
    // The common end: every list and text of the run is released.
    lists.Release();
    return result;
}

}  // namespace xuanhao
