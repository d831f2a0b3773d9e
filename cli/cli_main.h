#pragma once

#include <iosfwd>

namespace xuanhao {

// Exit statuses of the command line.
inline constexpr int kExitReported = 0;
inline constexpr int kExitMessage = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitCancelled = 130;

// The command-line front end: one run over texts given as options instead of
// edit boxes (each defaults to the window's text at start), printing what the
// window would show, and with --rows the surviving combinations after it.
int CliMain(int argc, const char* const* argv, std::istream& in, std::ostream& out,
            std::ostream& err);

// Asks a running CliMain to stop, as Ctrl-C does; safe to call from a signal handler.
void RequestCliStop();

}  // namespace xuanhao
