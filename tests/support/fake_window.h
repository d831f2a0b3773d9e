#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "filter/control_port.h"
#include "filter/group_size.h"
#include "filter/program_state.h"

namespace xuanhao::testing_support {

// The window's texts at start.
inline std::map<std::string, std::string, std::less<>> StartTexts() {
    return {
        {"编辑框1", "11,24,34,1,3,5,67,88,90,12,22,14,26,27,99"},
        {"奇数编辑框", "1"},
        {"偶数编辑框", "6"},
        {"前数文本框", "150"},
        {"后数文本框", "200"},
        {"分解数编辑框", "33"},
        {"组选数编辑框", "7"},
        {"标签9", "等待处理"},
    };
}

// A window of texts only, scripted by the test, that records every write.
class FakeWindow : public ControlPort {
  public:
    FakeWindow() : texts(StartTexts()) {}

    std::string GetControlText(std::string_view name) override {
        const auto found = texts.find(name);
        return found == texts.end() ? std::string() : found->second;
    }
    void SetControlText(std::string_view name, const std::string& text) override {
        texts[std::string(name)] = text;
        writes.emplace_back(name, text);
    }

    // Sets the texts and, as the window's handlers would, the group size.
    void Type(std::string_view name, std::string text, ProgramState& state) {
        texts[std::string(name)] = std::move(text);
        state.groupSize = GroupSizeOf(texts["奇数编辑框"], texts["偶数编辑框"]);
    }

    std::map<std::string, std::string, std::less<>> texts;
    std::vector<std::pair<std::string, std::string>> writes;
};

// Program-wide state as start-up leaves it, with the group size of the texts at start.
inline ProgramState StartState() {
    ProgramState state;
    List<std::int32_t> emptySlots;
    for (int slot = 0; slot < kPickIndexSlots; ++slot) emptySlots.Append(0);
    state.pickIndex = std::move(emptySlots);
    state.groupSize = 7;
    return state;
}

}  // namespace xuanhao::testing_support
