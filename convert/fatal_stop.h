#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace xuanhao {

// Codes of the index and size tests.
inline constexpr int kIndexAboveSize = 1;
inline constexpr int kWrongDimensionCount = 3;
inline constexpr int kIndexBelowOne = 4;
inline constexpr int kDimensionNotPositive = 10;

// The error box text for a code: the code and a one-line description of the test.
std::string RunTimeErrorText(int code);

// The fatal stop: shows the error box (and writes its text to stderr), then ends
// the process at once with exit status -1. The exit routine does not run.
[[noreturn]] void RunTimeError(int code);

// The out-of-memory stop: as RunTimeError, with a text naming the bytes requested.
[[noreturn]] void OutOfMemoryStop(std::size_t bytesRequested);

// True once a fatal stop has begun: from then on the window delivers no event.
bool FatalStopRaised();

// The fatal stop for a failure of the window layer at start-up.
[[noreturn]] void FatalStop(const std::string& text);

}  // namespace xuanhao
