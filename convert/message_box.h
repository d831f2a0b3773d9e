#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace xuanhao {

// Caption of an information box whose title is omitted.
inline constexpr std::string_view kDefaultCaption = "信息：";

// Where boxes reach the screen. The application installs one that shows real
// modal boxes; tests install a recorder. Both calls return when the box is closed.
class MessageBoxPort {
  public:
    virtual ~MessageBoxPort() = default;
    // flags are the button and icon flags; 0 is a single OK button and no icon.
    virtual void ShowInformation(const std::string& caption, const std::string& text,
                                 int flags) = 0;
    // The error box of a fatal stop: a stop icon and one OK button.
    virtual void ShowFatalError(const std::string& text) = 0;
};

// Installs the port (nullptr: none, then boxes go to stderr only) and returns the previous one.
MessageBoxPort* InstallMessageBoxPort(MessageBoxPort* port);
MessageBoxPort* InstalledMessageBoxPort();

// Shows text in a modal information box and returns when the user has closed it.
// Without a title the caption is "信息：".
void ShowMessage(const std::string& text, int flags = 0,
                 std::optional<std::string> title = std::nullopt);

}  // namespace xuanhao
