#include "app/run_handler.h"

#include <QWidget>

#include "app/run_progress.h"

namespace xuanhao {

RunResult OnStartClicked(ControlPort& window, ProgramState& state, QWidget* owner) {
    RunProgress progress(owner);
    RunOptions options;
    options.progress = [&progress](double fractionDone, std::uint64_t found) {
        return progress(fractionDone, found);
    };
    return RunFilter(window, state, options);
}

}  // namespace xuanhao
