#pragma once

#include <string>
#include <string_view>

namespace xuanhao {

// The window as the rest of the system sees it: the text of a control, found by
// its stored name. The main window implements it; tests use a scripted fake.
class ControlPort {
  public:
    virtual ~ControlPort() = default;
    // A copy of the control's current text.
    virtual std::string GetControlText(std::string_view name) = 0;
    // Replaces the control's text. For an edit box the text is in place when the
    // call returns and its text-changed handler, if any, has run exactly once.
    virtual void SetControlText(std::string_view name, const std::string& text) = 0;
};

}  // namespace xuanhao
