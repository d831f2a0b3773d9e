#include "cli/cli_main.h"

#include <CLI/CLI.hpp>
#include <atomic>
#include <fstream>
#include <iostream>
#include <sstream>

#include "convert/message_box.h"
#include "filter/control_names.h"
#include "filter/group_size.h"
#include "filter/run.h"
#include "filter/survivors.h"
#include "filter/text_window.h"

namespace xuanhao {

namespace {

std::atomic<bool> stopRequested{false};

// A message of the run, kept to be printed.
class PrintedBoxes : public MessageBoxPort {
  public:
    void ShowInformation(const std::string&, const std::string& text, int) override {
        message = text;
    }
    void ShowFatalError(const std::string&) override {}
    std::string message;
};

// The text an option stands for: itself, or with @PATH the file's contents, @- stdin.
bool ResolveText(std::string& value, std::istream& in, std::string& failure) {
    if (value.empty() || value[0] != '@') return true;
    const std::string path = value.substr(1);
    std::stringstream contents;
    if (path == "-") {
        contents << in.rdbuf();
    } else {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            failure = "cannot read " + path;
            return false;
        }
        contents << file.rdbuf();
    }
    value = contents.str();
    // A pasted list usually ends with a line break, which the edit box would not hold.
    while (!value.empty() && (value.back() == '\n' || value.back() == '\r')) value.pop_back();
    return true;
}

// The label's text as terminal lines.
std::string AsLines(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
    return text + "\n";
}

}  // namespace

void RequestCliStop() { stopRequested = true; }

int CliMain(int argc, const char* const* argv, std::istream& in, std::ostream& out,
            std::ostream& err) {
    stopRequested = false;
    TextWindow window;
    CLI::App app{
        "xuanhao-cli: filters combinations of candidate numbers, as the 15选5 window does.",
        "xuanhao-cli"};
    struct Text {
        const char* option;
        std::string_view control;
        const char* help;
        std::string value;
    };
    Text texts[] = {
        {"--candidates", controls::编辑框1, "candidate numbers, comma-separated", ""},
        {"--odd", controls::奇数编辑框, "wanted number of odd members", ""},
        {"--even", controls::偶数编辑框, "wanted number of even members", ""},
        {"--lower", controls::前数文本框, "the sum must be above this", ""},
        {"--upper", controls::后数文本框, "the sum must be below this", ""},
        {"--target", controls::分解数编辑框, "two members must add up to this", ""},
    };
    for (Text& text : texts) {
        text.value = window.texts[std::string(text.control)];
        app.add_option(text.option, text.value,
                       std::string(text.help) + " (@PATH reads a file, @- stdin)")
            ->capture_default_str();
    }
    bool rows = false;
    std::string format = "plain";
    app.add_flag("--rows", rows, "print the surviving combinations after the report");
    app.add_option("--format", format, "how --rows writes them: plain (comma-separated) or csv")
        ->check(CLI::IsMember({"plain", "csv"}))
        ->capture_default_str();
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitReported;
    } catch (const CLI::ParseError& error) {
        err << "xuanhao-cli: " << error.what() << "\n" << app.help();
        return kExitUsage;
    }
    for (Text& text : texts) {
        std::string failure;
        if (!ResolveText(text.value, in, failure)) {
            err << "xuanhao-cli: " << text.option << ": " << failure << "\n" << app.help();
            return kExitUsage;
        }
        window.texts[std::string(text.control)] = text.value;
    }
    if (format == "csv") rows = true;

    ProgramState state;
    state.pickIndex = NewPickIndex();
    state.groupSize = GroupSizeOf(window.texts["奇数编辑框"], window.texts["偶数编辑框"]);
    PrintedBoxes boxes;
    MessageBoxPort* previous = InstallMessageBoxPort(&boxes);
    RunOptions options;
    options.keptRowLimit = 0;  // the rows, when asked for, are streamed by a second pass
    options.progress = [](double, std::uint64_t) { return !stopRequested; };
    const RunResult result = RunFilter(window, state, options);
    InstallMessageBoxPort(previous);

    switch (result.end) {
        case RunEnd::kReported:
            break;
        case RunEnd::kCancelled:
            out << AsLines(window.texts["标签9"]);
            return kExitCancelled;
        default:
            out << boxes.message << "\n";
            return kExitMessage;
    }
    const std::string report = window.texts["标签9"];
    out << AsLines(report);
    if (!rows) return kExitReported;

    RunRecord record{window.texts, result.groupSize, result.foundCount, {}};
    const bool complete = WriteSurvivors(out, format == "csv" ? RowFormat::kCsv : RowFormat::kComma,
                                         record, options.progress);
    out.flush();
    return complete || !stopRequested ? kExitReported : kExitCancelled;
}

}  // namespace xuanhao
