#pragma once

#include <cstdint>

#include "convert/checked_array.h"
#include "filter/control_port.h"
#include "filter/program_state.h"
#include "filter/pruned_search.h"

namespace xuanhao {

// How a run ended.
enum class RunEnd {
    kGroupSizeOutOfRange,  // "组选数 超出范围!"
    kNoOddEvenMatch,       // "没有符合奇偶比要求的结果!"
    kNoSumMatch,           // "没有符合结果之和要求的结果!"
    kNoPairMatch,          // "没有符合分解数要求的结果!"
    kReported,             // the report is in 标签9
    kCancelled,            // the user stopped it; 标签9 reads "已取消"
};

// How a run computes; every way gives the same messages, counts and rows.
enum class RunEngine {
    kPrunedSearch,   // skips what cannot pass and counts without enumerating where it can
    kTextRoundTrip,  // writes every combination as text, parses it back, filters it in stages
};

struct RunOptions {
    RunEngine engine = RunEngine::kPrunedSearch;
    bool countBySums = true;              // the pruned search may count without enumerating
    std::int64_t chunkRows = 65536;       // combinations held at once by the text round trip
    std::int64_t keptRowLimit = 1000000;  // surviving rows kept; the count goes on beyond
    ProgressCheck progress;               // asked every few thousand steps; false cancels
    RowStream onRow;  // pruned search only: every surviving row goes here, none is kept
};

struct RunResult {
    RunEnd end = RunEnd::kGroupSizeOutOfRange;
    std::int32_t groupSize = 0;
    std::uint64_t foundCount = 0;  // every surviving combination
    List<std::int32_t> keptRows;   // the first of them, groupSize values each, smallest first
};

// One whole filter run over the texts of the window: clears 标签9, reads and
// sorts the candidates, forms every combination of groupSize of them and keeps
// those that pass the odd/even ratio, the sum range and the pair target in turn.
// Ends with the report in 标签9, or with the message of the first stage that no
// combination passed. The combinations are formed and filtered a chunk at a
// time, so that a run holds no more than a bounded working set and the kept rows.
RunResult RunFilter(ControlPort& window, ProgramState& state, const RunOptions& options = {});

}  // namespace xuanhao
