#pragma once

#include <string>
#include <utility>
#include <vector>

#include "filter/group_size.h"
#include "filter/program_state.h"
#include "filter/text_window.h"

namespace xuanhao::testing_support {

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
