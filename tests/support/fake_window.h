#pragma once

#include <string>
#include <utility>
#include <vector>

#include "filter/group_size.h"
#include "filter/program_state.h"
#include "filter/text_window.h"

namespace xuanhao::testing_support {

// The six texts a run reads.
struct RunTexts {
    std::string candidates, odd, even, lower, upper, target;
};

// A window of texts that records every write, scripted by the test.
class FakeWindow : public TextWindow {
  public:
    void SetControlText(std::string_view name, const std::string& text) override {
        TextWindow::SetControlText(name, text);
        writes.emplace_back(name, text);
    }

    // Sets a text and, as the window's handlers would, the group size.
    void Type(std::string_view name, std::string text, ProgramState& state) {
        texts[std::string(name)] = std::move(text);
        state.groupSize = GroupSizeOf(texts["奇数编辑框"], texts["偶数编辑框"]);
    }

    // Types all six texts a run reads.
    void TypeRunTexts(const RunTexts& run, ProgramState& state) {
        Type("编辑框1", run.candidates, state);
        Type("奇数编辑框", run.odd, state);
        Type("偶数编辑框", run.even, state);
        Type("前数文本框", run.lower, state);
        Type("后数文本框", run.upper, state);
        Type("分解数编辑框", run.target, state);
    }

    std::vector<std::pair<std::string, std::string>> writes;
};

// Program-wide state as start-up leaves it, with the group size of the texts at start.
inline ProgramState StartState() {
    ProgramState state;
    state.pickIndex = NewPickIndex();
    state.groupSize = 7;
    return state;
}

}  // namespace xuanhao::testing_support
