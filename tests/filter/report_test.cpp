#include "filter/report.h"

#include <gtest/gtest.h>

#include "tests/support/fake_window.h"

namespace xuanhao {
namespace {

TEST(ReportText, IsTwoLinesByteForByte) {
    EXPECT_EQ(ReportText(47, 12),
              "\xe8\x80\x97  \xe6\x97\xb6\xef\xbc\x9a"
              "47 \xe6\xaf\xab\xe7\xa7\x92\r\n"
              "\xe5\x85\xb1\xe6\x89\xbe\xe5\x88\xb0\xef\xbc\x9a"
              "12 \xe7\xbb\x84");
    EXPECT_EQ(ReportText(0, 3), "耗  时：0 毫秒\r\n共找到：3 组");
    EXPECT_EQ(ReportText(4294967295U, 153335640),
              "耗  时：4294967295 毫秒\r\n共找到：153335640 组");
}

TEST(ReportRunResult, WritesTheElapsedTimeIntoTheStatusLabel) {
    testing_support::FakeWindow window;
    ReportRunResult(0, 2, window);
    const std::string report = window.texts["标签9"];
    EXPECT_EQ(report.rfind("耗  时：", 0), 0U);
    EXPECT_NE(report.find(" 毫秒\r\n共找到：2 组"), std::string::npos);
}

}  // namespace
}  // namespace xuanhao
