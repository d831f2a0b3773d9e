#pragma once

#include "convert/message_box.h"

namespace xuanhao {

// Real boxes: owned by no window and modal for the whole application.
class QtMessageBoxes : public MessageBoxPort {
  public:
    void ShowInformation(const std::string& caption, const std::string& text, int flags) override;
    void ShowFatalError(const std::string& text) override;
};

}  // namespace xuanhao
