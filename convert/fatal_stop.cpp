#include "convert/fatal_stop.h"

#include <cstdio>
#include <cstdlib>

#include "convert/message_box.h"

namespace xuanhao {

std::string RunTimeErrorText(int code) {
    const char* what = "unknown test failed";
    switch (code) {
        case kIndexAboveSize:
            what = "an index is above the size of its dimension";
            break;
        case kWrongDimensionCount:
            what = "a table is addressed with the wrong number of indices";
            break;
        case kIndexBelowOne:
            what = "an index is below 1";
            break;
        case kDimensionNotPositive:
            what = "a table dimension would be 0 or less";
            break;
        default:
            break;
    }
    return "Run-time error, code " + std::to_string(code) + ": " + what + ".";
}

namespace {
bool fatalStopRaised = false;
}  // namespace

bool FatalStopRaised() { return fatalStopRaised; }

void FatalStop(const std::string& text) {
    fatalStopRaised = true;
    std::fprintf(stderr, "xuanhao: %s\n", text.c_str());
    std::fflush(stderr);
    if (MessageBoxPort* port = InstalledMessageBoxPort()) port->ShowFatalError(text);
    std::_Exit(-1);  // leaves without the exit routine and without any other clean-up
}

void RunTimeError(int code) { FatalStop(RunTimeErrorText(code)); }

void OutOfMemoryStop(std::size_t bytesRequested) {
    FatalStop("Out of memory: " + std::to_string(bytesRequested) + " bytes were requested.");
}

}  // namespace xuanhao
