#include "filter/report.h"

#include "convert/number_text.h"
#include "convert/split_text.h"
#include "convert/tick_count.h"
#include "filter/control_names.h"
#include "filter/messages.h"

namespace xuanhao {

std::string ReportText(std::uint32_t elapsedMs, std::uint64_t foundCount) {
    return Concat({messages::kElapsedLead, NumberToText(std::uint64_t{elapsedMs}),
                   messages::kCountLead, NumberToText(foundCount), messages::kCountTail});
}

void ReportRunResult(std::int32_t tickStart, std::uint64_t foundCount, ControlPort& window) {
    const std::uint32_t elapsed = ElapsedMs(tickStart, TickCountMs());
    window.SetControlText(controls::标签9, ReportText(elapsed, foundCount));
}

}  // namespace xuanhao
