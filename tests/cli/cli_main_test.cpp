#include "cli/cli_main.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

namespace xuanhao {
namespace {

struct Printed {
    int status;
    std::string out, err;
};

Printed Cli(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "xuanhao-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = CliMain(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, out.str(), err.str()};
}

const char* const kReportTwo = "耗  时：[0-9]+ 毫秒\n共找到：2 组\n";

TEST(CliMain, PrintsWhatTheWindowWouldShow) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string out;  // a regular expression for the whole of stdout
    };
    const Case cases[] = {
        {"texts at start", {}, 0, kReportTwo},
        {"rows follow the report",
         {"--rows"},
         0,
         std::string(kReportTwo) + "11,12,14,22,24,26,88\n11,12,14,22,24,26,90\n"},
        {"csv rows",
         {"--format", "csv"},
         0,
         std::string(kReportTwo) + "序号,号码1,号码2,号码3,号码4,号码5,号码6,号码7\n"
                                   "1,11,12,14,22,24,26,88\n2,11,12,14,22,24,26,90\n"},
        {"full-width digits convert", {"--target", "３３", "--odd", "１"}, 0, kReportTwo},
        {"group size above the candidates", {"--candidates", "1,2,3"}, 1, "组选数 超出范围!\n"},
        {"empty candidate list", {"--candidates", ""}, 1, "组选数 超出范围!\n"},
        {"letters count as 0", {"--odd", "abc", "--even", "abc"}, 1, "组选数 超出范围!\n"},
        {"no odd/even match", {"--odd", "8", "--even", "-1"}, 1, "没有符合奇偶比要求的结果!\n"},
        {"no sum match", {"--upper", "151"}, 1, "没有符合结果之和要求的结果!\n"},
        {"no pair match", {"--target", "1000"}, 1, "没有符合分解数要求的结果!\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Printed printed = Cli(c.args);
        EXPECT_EQ(printed.status, c.status);
        EXPECT_TRUE(std::regex_match(printed.out, std::regex(c.out))) << printed.out;
        EXPECT_EQ(printed.err, "");
    }
}

TEST(CliMain, UsageErrorsNameTheProblemAndShowTheUsage) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        {"unknown option", {"--colour", "red"}, "--colour"},
        {"missing value", {"--odd"}, "--odd"},
        {"unknown format", {"--format", "xml"}, "xml"},
        {"unreadable file",
         {"--candidates", "@/nonexistent/list.txt"},
         "cannot read /nonexistent/list.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Printed printed = Cli(c.args);
        EXPECT_EQ(printed.status, 2);
        EXPECT_EQ(printed.out, "");
        EXPECT_EQ(printed.err.rfind("xuanhao-cli: ", 0), 0U) << printed.err;
        EXPECT_NE(printed.err.find(c.says), std::string::npos) << printed.err;
        EXPECT_NE(printed.err.find("--candidates"), std::string::npos) << "usage follows";
    }
    const Printed help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--rows"), std::string::npos);
}

TEST(CliMain, ReadsTextsFromFilesAndStdin) {
    const std::string path = ::testing::TempDir() + "candidates.txt";
    std::ofstream(path) << "11,24,34,1,3,5,67,88,90,12,22,14,26,27,99\n";
    EXPECT_TRUE(std::regex_match(Cli({"--candidates", "@" + path}).out, std::regex(kReportTwo)));
    EXPECT_TRUE(std::regex_match(Cli({"--target", "@-"}, "33\n").out, std::regex(kReportTwo)));
    std::remove(path.c_str());
}

TEST(CliMain, StreamsEveryRowBeyondTheKeptOnes) {
    std::string list;
    for (int v = 1; v <= 30; ++v) list += std::to_string(v) + ",";
    const Printed printed = Cli({"--candidates", list, "--odd", "2", "--even", "2", "--lower", "0",
                                 "--upper", "1000", "--target", "31", "--rows"});
    ASSERT_EQ(printed.status, 0);
    std::istringstream lines(printed.out);
    std::string line;
    std::getline(lines, line);
    std::getline(lines, line);
    const std::uint64_t reported = std::stoull(line.substr(line.find("：") + 3));
    std::uint64_t rows = 0;
    while (std::getline(lines, line)) ++rows;
    EXPECT_EQ(rows, reported);
    EXPECT_GT(rows, 1000U);
}

}  // namespace
}  // namespace xuanhao
