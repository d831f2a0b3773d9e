// A whole run over six arbitrary texts, through the window port the tests use:
// it must end with exactly one of the four messages or the report, leave the
// six texts as they were, never reach the fatal stop, and give the same outcome
// through the pruned search and the text round trip.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "convert/message_box.h"
#include "convert/split_text.h"
#include "filter/control_names.h"
#include "filter/group_size.h"
#include "filter/messages.h"
#include "filter/run.h"
#include "filter/text_window.h"

namespace {

using namespace xuanhao;

class CountingBoxes : public MessageBoxPort {
  public:
    void ShowInformation(const std::string& caption, const std::string& text, int flags) override {
        if (caption != kDefaultCaption || flags != 0) std::abort();
        ++shown;
        message = text;
    }
    void ShowFatalError(const std::string&) override { std::abort(); }
    int shown = 0;
    std::string message;
};

constexpr std::array<std::string_view, 6> kBoxes = {controls::编辑框1,    controls::奇数编辑框,
                                                    controls::偶数编辑框, controls::前数文本框,
                                                    controls::后数文本框, controls::分解数编辑框};

struct Outcome {
    RunEnd end;
    std::string message, label;
    std::uint64_t found;
    std::vector<std::int32_t> rows;
    bool operator==(const Outcome&) const = default;
};

Outcome Run(const std::array<std::string, 6>& texts, RunEngine engine) {
    TextWindow window;
    for (std::size_t i = 0; i < kBoxes.size(); ++i) window.texts[std::string(kBoxes[i])] = texts[i];
    ProgramState state;
    state.pickIndex = NewPickIndex();
    state.groupSize = GroupSizeOf(texts[1], texts[2]);
    CountingBoxes boxes;
    MessageBoxPort* previous = InstallMessageBoxPort(&boxes);
    RunOptions options;
    options.engine = engine;
    options.keptRowLimit = 50;
    RunResult result = RunFilter(window, state, options);
    InstallMessageBoxPort(previous);

    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        if (window.texts[std::string(kBoxes[i])] != texts[i]) std::abort();  // the typed texts stay
    }
    const std::string label = window.texts[std::string(controls::标签9)];
    const bool reported = result.end == RunEnd::kReported;
    if (boxes.shown != (reported ? 0 : 1)) std::abort();  // the report or exactly one message
    if (reported != (label.rfind(messages::kElapsedLead, 0) == 0)) std::abort();
    if (!reported && !label.empty()) std::abort();
    const std::string_view messages[] = {messages::kGroupSizeOutOfRange, messages::kNoOddEvenMatch,
                                         messages::kNoSumMatch, messages::kNoPairMatch};
    if (!reported && messages[static_cast<int>(result.end)] != boxes.message) std::abort();
    const std::string countLine = label.empty() ? "" : label.substr(label.find("\r\n"));
    return {result.end, boxes.message, countLine, result.foundCount, result.keptRows.Elements()};
}

double LogChoose(double n, double k) {
    return std::lgamma(n + 1) - std::lgamma(k + 1) - std::lgamma(n - k + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Six texts separated by 0xFF bytes; missing ones stay empty.
    std::array<std::string, 6> texts;
    std::size_t text = 0;
    for (std::size_t at = 0; at < size; ++at) {
        if (data[at] == 0xFF) {
            if (++text == texts.size()) break;
        } else {
            texts[text] += static_cast<char>(data[at]);
        }
    }
    // Bound the work, not the input: skip runs of more than two million combinations.
    const double candidates = static_cast<double>(SplitText(texts[0]).Size());
    const double groupSize = GroupSizeOf(texts[1], texts[2]);
    const bool inRange = groupSize >= 1 && groupSize <= 100 && groupSize <= candidates;
    if (inRange && LogChoose(candidates, groupSize) > std::log(2e6)) return 0;

    const Outcome pruned = Run(texts, RunEngine::kPrunedSearch);
    if (inRange && LogChoose(candidates, groupSize) > std::log(2e4)) return 0;
    if (!(Run(texts, RunEngine::kTextRoundTrip) == pruned)) std::abort();
    return 0;
}
