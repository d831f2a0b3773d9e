#include "convert/message_box.h"

#include <cstdio>

namespace xuanhao {

namespace {
MessageBoxPort* installedPort = nullptr;
}  // namespace

MessageBoxPort* InstallMessageBoxPort(MessageBoxPort* port) {
    MessageBoxPort* previous = installedPort;
    installedPort = port;
    return previous;
}

MessageBoxPort* InstalledMessageBoxPort() { return installedPort; }

void ShowMessage(const std::string& text, int flags, std::optional<std::string> title) {
    const std::string caption = title ? *title : std::string(kDefaultCaption);
    if (installedPort != nullptr) {
        installedPort->ShowInformation(caption, text, flags);
    } else {
        std::fprintf(stderr, "%s %s\n", caption.c_str(), text.c_str());
    }
}

}  // namespace xuanhao
