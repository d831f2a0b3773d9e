#pragma once

#include <string>
#include <vector>

#include "convert/message_box.h"

namespace xuanhao::testing_support {

// A message box port that answers every box at once and remembers what it showed.
class RecordingBoxes : public MessageBoxPort {
  public:
    struct Box {
        std::string caption;
        std::string text;
        int flags;
    };

    RecordingBoxes() : previous_(InstallMessageBoxPort(this)) {}
    ~RecordingBoxes() override { InstallMessageBoxPort(previous_); }
    RecordingBoxes(const RecordingBoxes&) = delete;
    RecordingBoxes& operator=(const RecordingBoxes&) = delete;

    void ShowInformation(const std::string& caption, const std::string& text, int flags) override {
        shown.push_back({caption, text, flags});
    }
    void ShowFatalError(const std::string& text) override { fatal.push_back(text); }

    std::vector<Box> shown;
    std::vector<std::string> fatal;

  private:
    MessageBoxPort* previous_;
};

}  // namespace xuanhao::testing_support
