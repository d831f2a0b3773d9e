// The survivors of a run: the 查看结果 button, the results window, copy and save.
#include "app/results_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/main_window.h"
#include "app/run_handler.h"
#include "tests/support/fake_window.h"
#include "tests/support/recording_boxes.h"

namespace xuanhao {
namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ResultsTest : public testing::Test {
  protected:
    ResultsTest()
        : state_(testing_support::StartState()),
          window_(state_, [this] { return OnStartClicked(window_, state_, &window_); }) {
        window_.Open();
    }
    void ClickStart() {
        QTest::mouseClick(window_.findChild<QPushButton*>("按钮1"), Qt::LeftButton);
    }
    ResultsWindow* OpenResults() {
        QTest::mouseClick(window_.ResultsButton(), Qt::LeftButton);
        return window_.Results();
    }

    testing_support::RecordingBoxes boxes_;
    ProgramState state_;
    MainWindow window_;
    std::string folder_ = ::testing::TempDir();
};

TEST_F(ResultsTest, TheButtonIsEnabledOnlyAfterARunThatReported) {
    QPushButton* button = window_.ResultsButton();
    EXPECT_EQ(button->text(), "查看结果");
    EXPECT_EQ(button->geometry(), QRect(208, 226, 80, 28));
    EXPECT_FALSE(button->isEnabled()) << "at start-up";
    ClickStart();
    EXPECT_TRUE(button->isEnabled()) << "after the report";
    window_.SetControlText("分解数编辑框", "1000");
    ClickStart();
    EXPECT_FALSE(button->isEnabled()) << "after a message";
    window_.SetControlText("分解数编辑框", "33");
    ClickStart();
    EXPECT_TRUE(button->isEnabled()) << "after a new report";
}

TEST_F(ResultsTest, ListsTheTwoCombinationsOfTheTextsAtStart) {
    ClickStart();
    ResultsWindow* results = OpenResults();
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(results->isVisible());
    EXPECT_EQ(results->windowTitle(), "结果 — 共 2 组");
    EXPECT_FALSE(results->findChild<QLabel*>()->isVisible()) << "all rows kept: no note";
    QAbstractItemModel* model = results->Table()->model();
    ASSERT_EQ(model->rowCount(), 2);
    ASSERT_EQ(model->columnCount(), 8);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "序号");
    EXPECT_EQ(model->headerData(7, Qt::Horizontal).toString(), "号码7");
    EXPECT_EQ(model->index(1, 0).data().toInt(), 2);
    EXPECT_EQ(model->index(1, 7).data().toInt(), 90);

    EXPECT_EQ(results->CopyText(), "11 12 14 22 24 26 88\n11 12 14 22 24 26 90\n")
        << "nothing selected: all";
    results->Table()->selectRow(1);
    EXPECT_EQ(results->CopyText(), "11 12 14 22 24 26 90\n");

    // A run that ends with a message closes the window.
    window_.SetControlText("后数文本框", "151");
    ClickStart();
    EXPECT_FALSE(results->isVisible());
}

TEST_F(ResultsTest, SavesTextAndCsvByteForByte) {
    ClickStart();
    ResultsWindow* results = OpenResults();
    const std::string text = folder_ + "results.txt";
    const std::string csv = folder_ + "results.csv";
    ASSERT_TRUE(results->SaveTo(QString::fromStdString(text)));
    ASSERT_TRUE(results->SaveTo(QString::fromStdString(csv)));
    EXPECT_EQ(Slurp(text), "11 12 14 22 24 26 88\n11 12 14 22 24 26 90\n");
    EXPECT_EQ(Slurp(csv),
              "序号,号码1,号码2,号码3,号码4,号码5,号码6,号码7\n1,11,12,14,22,24,26,88\n2,11,12,14,"
              "22,24,26,90\n");
    EXPECT_TRUE(boxes_.shown.empty());
    std::filesystem::remove(text);
    std::filesystem::remove(csv);
}

TEST_F(ResultsTest, AFailedSaveLeavesNoFileAndSaysWhy) {
    ClickStart();
    ResultsWindow* results = OpenResults();
    const std::string notAFolder = folder_ + "plain-file";
    std::ofstream(notAFolder) << "x";
    EXPECT_FALSE(results->SaveTo(QString::fromStdString(notAFolder + "/results.txt")));
    ASSERT_EQ(boxes_.shown.size(), 1U);
    EXPECT_EQ(boxes_.shown[0].caption, "保存失败");
    EXPECT_NE(boxes_.shown[0].text.find("Not a directory"), std::string::npos)
        << boxes_.shown[0].text;
    EXPECT_EQ(results->Table()->model()->rowCount(), 2) << "the rows stay";
    std::filesystem::remove(notAFolder);
}

TEST(ResultsWindow, SaysWhenItShowsOnlyTheFirstRows) {
    ResultsWindow results(nullptr);
    auto record = std::make_shared<RunRecord>();
    record->groupSize = 2;
    record->foundCount = 5;
    record->keptRows = {1, 2, 3, 4};
    results.Show(record);
    EXPECT_EQ(results.windowTitle(), "结果 — 共 5 组");
    auto* note = results.findChild<QLabel*>();
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), "仅显示前 2 组，共 5 组");
    EXPECT_EQ(results.Table()->model()->rowCount(), 2);
}

}  // namespace
}  // namespace xuanhao
