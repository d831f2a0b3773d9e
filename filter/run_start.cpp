#include "filter/run_start.h"

#include "convert/message_box.h"
#include "convert/split_text.h"
#include "convert/text_to_int.h"
#include "convert/tick_count.h"
#include "filter/control_names.h"
#include "filter/messages.h"
#include "filter/sort_candidates.h"

namespace xuanhao {

bool OpenRun(ControlPort& window, ProgramState& state, RunLists& lists, std::int32_t& tickStart) {
    window.SetControlText(controls::标签9, "");
    tickStart = TickCountMs();
    lists.candidateTexts = SplitText(window.GetControlText(controls::编辑框1));
    state.candidateCount = static_cast<std::int32_t>(lists.candidateTexts.Size());

    // A group size the enumeration cannot form is refused here, with the same
    // message as one larger than the list, so that no typed text stops the program.
    const std::int32_t groupSize = state.groupSize;
    if (groupSize < 1 || groupSize > kPickIndexSlots || groupSize > state.candidateCount) {
        ShowMessage(std::string(messages::kGroupSizeOutOfRange));
        return false;
    }

    SortCandidatesDescending(lists.candidateTexts, state);
    lists.candidateValues = CheckedArray<std::int32_t>::Table(state.candidateCount, 1);
    for (std::int32_t p = 1; p <= state.candidateCount; ++p) {
        lists.candidateValues.At(p, 1) = TextToInt(lists.candidateTexts.At(p));
    }
    return true;
}

}  // namespace xuanhao
