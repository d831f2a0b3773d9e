#include "filter/survivors.h"

#include <span>

#include "filter/run.h"
#include "filter/text_window.h"

namespace xuanhao {

bool WriteSurvivors(std::ostream& out, RowFormat format, const RunRecord& record,
                    const ProgressCheck& progress) {
    const auto groupSize = static_cast<std::size_t>(record.groupSize);
    WriteRowsHeader(out, format, record.groupSize);
    std::uint64_t number = 0;
    if (record.KeptCount() == record.foundCount) {
        for (std::size_t at = 0; at < record.keptRows.size(); at += groupSize) {
            WriteRow(out, format, ++number, std::span(record.keptRows).subspan(at, groupSize));
        }
        return out.good();
    }
    TextWindow window;
    window.texts = record.texts;
    ProgramState state;
    state.pickIndex = NewPickIndex();
    state.groupSize = record.groupSize;
    RunOptions options;
    options.keptRowLimit = 0;
    options.progress = progress;
    options.onRow = [&](const std::int32_t* members) {
        WriteRow(out, format, ++number, {members, groupSize});
        return out.good();
    };
    const RunResult streamed = RunFilter(window, state, options);
    return streamed.end == RunEnd::kReported && number == record.foundCount && out.good();
}

std::string SaveSurvivors(const std::string& path, RowFormat format, const RunRecord& record) {
    return WriteFileAtomically(
        path, [&](std::ostream& out) { return WriteSurvivors(out, format, record); });
}

}  // namespace xuanhao
