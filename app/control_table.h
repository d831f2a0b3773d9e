#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace xuanhao {

enum class ControlKind { kLabel, kTransparentLabel, kEditBox, kCheckBox, kPanel, kButton };

// Range of the spin arrows an edit box carries; low > high means none.
struct SpinRange {
    std::int32_t low = 1;
    std::int32_t high = 0;
    bool Present() const { return low <= high; }
};

// One control of the main window: where it sits in the client area, its text at
// start and the settings beyond those of its kind.
struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    int left, top, width, height;
    std::string_view text;
    bool centred = false;      // edit box text centred
    bool disabled = false;     // greyed, takes neither input nor focus
    bool ticked = false;       // check box ticked at start
    bool blueWrapped = false;  // pure blue text, word wrap from the top left
    SpinRange spin = {};
};

// The controls from the top of the stacking order to the bottom.
std::span<const ControlSpec> MainWindowControls();

// Width of the spin arrows placed against the right edge of their box.
inline constexpr int kSpinArrowsWidth = 18;

}  // namespace xuanhao
