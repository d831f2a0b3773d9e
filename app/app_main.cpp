#include "app/app_main.h"

#include <QApplication>
#include <cstdlib>
#include <new>

#include "app/globals.h"
#include "app/main_window.h"
#include "app/qt_message_boxes.h"
#include "app/run_handler.h"
#include "convert/fatal_stop.h"
#include "convert/reals.h"

namespace xuanhao {

namespace {
QtMessageBoxes qtBoxes;
}  // namespace

int AppMain(int& argc, char** argv, const StartupHooks& hooks) {
    // Qt's own clean-up runs from exit routines too, so the window layer is
    // released as AppMain returns, once the loop has ended, not from one of them.
    QApplication windowLayer(argc, argv);
    InstallMessageBoxPort(hooks.boxes != nullptr ? hooks.boxes : &qtBoxes);

    // Storage the checked lists and tables do not request themselves: a failed
    // allocation ends the program through the out-of-memory stop all the same.
    std::set_new_handler([] { FatalStop("Out of memory."); });
    ResetFloatingPointEnvironment();
    InitGlobals();
    std::atexit(ReleaseGlobals);

    MainWindow* mainWindow = nullptr;
    MainWindow window(Globals(),
                      [&mainWindow] { return OnStartClicked(*mainWindow, Globals(), mainWindow); });
    mainWindow = &window;
    window.Open();
    if (!window.isVisible()) FatalStop("Loading the start-up window failed.");
    if (hooks.afterOpen) hooks.afterOpen(window);

    QApplication::exec();
    InstallMessageBoxPort(nullptr);
    return 0;
}

}  // namespace xuanhao
