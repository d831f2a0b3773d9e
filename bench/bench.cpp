// Prints how fast a run is: each case through the engine, the text round trip
// (where it ends within a minute) and, when asked, a plain Python script, side
// by side in one run. Times are medians; memory is the peak resident size of a
// child process that ran the case alone.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "filter/group_size.h"
#include "filter/run.h"
#include "filter/text_window.h"

namespace xuanhao {
namespace {

struct Case {
    const char* name;
    std::string candidates, odd, even, lower, upper, target;
    bool reference;  // the text round trip ends within a minute
    bool python;     // so does the Python script
    std::int64_t keptRows = 1000000;
};

std::string Range(int from, int to) {
    std::string text;
    for (int v = from; v <= to; ++v) text += std::to_string(v) + (v < to ? "," : "");
    return text;
}

struct Measure {
    double medianMs = 0;
    long peakKb = 0;
    std::uint64_t found = 0;
};

RunResult RunOnce(const Case& c, RunEngine engine) {
    TextWindow window;
    window.texts["编辑框1"] = c.candidates;
    window.texts["奇数编辑框"] = c.odd;
    window.texts["偶数编辑框"] = c.even;
    window.texts["前数文本框"] = c.lower;
    window.texts["后数文本框"] = c.upper;
    window.texts["分解数编辑框"] = c.target;
    ProgramState state;
    state.pickIndex = NewPickIndex();
    state.groupSize = GroupSizeOf(c.odd, c.even);
    RunOptions options;
    options.engine = engine;
    options.keptRowLimit = c.keptRows;
    return RunFilter(window, state, options);
}

// Runs the case `repeats` times in a child process: the median time, the
// child's peak memory and the found count.
Measure InChild(const Case& c, RunEngine engine, int repeats) {
    int channel[2];
    if (pipe(channel) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::vector<double> times;
        std::uint64_t found = 0;
        for (int r = 0; r < repeats; ++r) {
            const auto start = std::chrono::steady_clock::now();
            found = RunOnce(c, engine).foundCount;
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        if (write(channel[1], &median, sizeof median) < 0 ||
            write(channel[1], &found, sizeof found) < 0)
            _exit(1);
        _exit(0);
    }
    close(channel[1]);
    Measure measure;
    if (read(channel[0], &measure.medianMs, sizeof measure.medianMs) < 0 ||
        read(channel[0], &measure.found, sizeof measure.found) < 0) {
        measure.medianMs = -1;
    }
    close(channel[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    measure.peakKb = usage.ru_maxrss;
    return measure;
}

// The Python script's median time over `repeats` runs, in milliseconds.
double PythonMs(const Case& c, const std::string& script, int repeats) {
    std::vector<double> times;
    for (int r = 0; r < repeats; ++r) {
        const std::string command = "python3 '" + script + "' '" + c.candidates + "' " + c.odd +
                                    " " + c.even + " " + c.lower + " " + c.upper + " " + c.target;
        FILE* pipe = popen(command.c_str(), "r");
        unsigned long long found = 0;
        double seconds = -1;
        if (pipe == nullptr || std::fscanf(pipe, "%llu %lf", &found, &seconds) != 2) seconds = -1;
        if (pipe != nullptr) pclose(pipe);
        times.push_back(seconds * 1000);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double Choose(int n, int k) {
    double value = 1;
    for (int i = 0; i < k; ++i) value = value * (n - i) / (i + 1);
    return value;
}

int Main(int argc, char** argv) {
    std::string script;
    int repeats = 5;
    bool slow = false;  // also time the text round trip where it takes minutes (case c)
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--slow") == 0) slow = true;
        if (std::strcmp(argv[i], "--python") == 0 && i + 1 < argc) script = argv[++i];
        if (std::strcmp(argv[i], "--repeats") == 0 && i + 1 < argc)
            repeats = std::max(1, std::atoi(argv[++i]));
    }
    std::string bigList;
    for (int v = 1; v <= 100000; ++v)
        bigList += std::to_string(v * 7 % 100003) + (v < 100000 ? "," : "");

    const std::vector<Case> cases = {
        {"a  texts at start", "11,24,34,1,3,5,67,88,90,12,22,14,26,27,99", "1", "6", "150", "200",
         "33", true, true},
        {"b  1..35, 3+4", Range(1, 35), "3", "4", "100", "150", "36", true, true},
        {"c  1..30, 7+8", Range(1, 30), "7", "8", "200", "260", "31", false, false},
        {"d  1..60, 7+8, first 1M rows", Range(1, 60), "7", "8", "250", "253", "61", false, false},
        {"d' 1..60, 7+8, count only", Range(1, 60), "7", "8", "250", "253", "61", false, false, 0},
        {"e  1..45, 3+3 (a 6 of 45 lotto)", Range(1, 45), "3", "3", "120", "160", "46", true, true},
        {"f  100,000 candidates, 1+1", bigList, "1", "1", "0", "200000", "100003", false, false},
    };
    const int sizes[][2] = {{15, 7}, {35, 7}, {30, 15}, {60, 15}, {60, 15}, {45, 6}, {100000, 2}};

    std::printf(
        "| case | combinations | survivors | engine ms | engine peak MB | text round trip ms | "
        "ratio | "
        "python ms | ratio |\n|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const Measure engine = InChild(c, RunEngine::kPrunedSearch, repeats);
        std::string reference = "—", referenceRatio = "—", python = "—", pythonRatio = "—";
        const double floorMs = std::max(engine.medianMs, 0.001);
        if (c.reference || (slow && i == 2)) {
            const Measure plain =
                InChild(c, RunEngine::kTextRoundTrip, c.reference ? std::max(1, repeats / 2) : 1);
            reference = std::to_string(static_cast<long long>(plain.medianMs + 0.5));
            referenceRatio = std::to_string(static_cast<long long>(plain.medianMs / floorMs)) + "×";
            if (plain.found != engine.found) referenceRatio += " (counts differ!)";
        }
        if (c.python && !script.empty()) {
            const double ms = PythonMs(c, script, std::max(1, repeats / 2));
            python = std::to_string(static_cast<long long>(ms + 0.5));
            pythonRatio = std::to_string(static_cast<long long>(ms / floorMs)) + "×";
        }
        std::printf("| %s | %.0f | %llu | %.2f | %.1f | %s | %s | %s | %s |\n", c.name,
                    Choose(sizes[i][0], sizes[i][1]), static_cast<unsigned long long>(engine.found),
                    engine.medianMs, engine.peakKb / 1024.0, reference.c_str(),
                    referenceRatio.c_str(), python.c_str(), pythonRatio.c_str());
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace
}  // namespace xuanhao

int main(int argc, char** argv) { return xuanhao::Main(argc, argv); }
