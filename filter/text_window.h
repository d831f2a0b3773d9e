#pragma once

#include <map>
#include <string>
#include <string_view>

#include "filter/control_port.h"

namespace xuanhao {

// The texts of the main window's controls at start.
std::map<std::string, std::string, std::less<>> StartTexts();

// A window made of texts only: what a run reads and writes when no real window
// is there (the command line, benchmarks, tests). Starts with the start texts.
class TextWindow : public ControlPort {
  public:
    TextWindow();

    std::string GetControlText(std::string_view name) override;
    void SetControlText(std::string_view name, const std::string& text) override;

    std::map<std::string, std::string, std::less<>> texts;
};

}  // namespace xuanhao
