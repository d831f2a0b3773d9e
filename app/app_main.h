#pragma once

#include <functional>

namespace xuanhao {

class MainWindow;
class MessageBoxPort;

// What a test may put in the place of the real start-up.
struct StartupHooks {
    MessageBoxPort* boxes = nullptr;             // the real Qt boxes when null
    std::function<void(MainWindow&)> afterOpen;  // runs once the window is visible
};

// The program's own logic: prepares the environment, builds the program-wide
// state, opens the main window and runs the message loop until the window is
// closed. Returns 0 then; ReleaseGlobals runs at the end of the process.
int AppMain(int& argc, char** argv, const StartupHooks& hooks = {});

}  // namespace xuanhao
