// A click on 开始处理 in the real window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "app/qt_message_boxes.h"
#include "app/run_handler.h"
#include "tests/support/fake_window.h"
#include "tests/support/recording_boxes.h"

namespace xuanhao {
namespace {

class RunInWindowTest : public testing::Test {
  protected:
    RunInWindowTest()
        : state_(testing_support::StartState()),
          window_(state_, [this] { return OnStartClicked(window_, state_, &window_); }) {
        window_.Open();
    }
    void ClickStart() {
        QTest::mouseClick(window_.findChild<QPushButton*>("按钮1"), Qt::LeftButton);
    }

    ProgramState state_;
    MainWindow window_;
};

TEST_F(RunInWindowTest, TheTextsAtStartReportTwoCombinationsOnTwoLines) {
    testing_support::RecordingBoxes boxes;
    ClickStart();
    EXPECT_TRUE(boxes.shown.empty());
    const std::string report = window_.GetControlText("标签9");
    EXPECT_EQ(report.rfind("耗  时：", 0), 0U) << report;
    EXPECT_EQ(report.substr(report.find("\r\n")), "\r\n共找到：2 组");
    const QString shown = window_.findChild<QLabel*>("标签9")->text();
    EXPECT_EQ(shown.split('\n').size(), 2) << "drawn on two lines";
}

TEST_F(RunInWindowTest, ARunThatEndsWithAMessageLeavesTheLabelEmpty) {
    testing_support::RecordingBoxes boxes;
    ClickStart();
    window_.SetControlText("分解数编辑框", "1000");
    ClickStart();
    ASSERT_EQ(boxes.shown.size(), 1U);
    EXPECT_EQ(boxes.shown[0].text, "没有符合分解数要求的结果!");
    EXPECT_EQ(window_.GetControlText("标签9"), "");
    EXPECT_EQ(window_.GetControlText("分解数编辑框"), "1000");
}

TEST_F(RunInWindowTest, TheRealBoxHasTheCaptionOneOkButtonAndNoIcon) {
    QtMessageBoxes qtBoxes;
    MessageBoxPort* previous = InstallMessageBoxPort(&qtBoxes);
    window_.SetControlText("奇数编辑框", "0");
    window_.SetControlText("偶数编辑框", "0");
    struct Seen {
        QString caption, text;
        int buttons = 0;
        QMessageBox::Icon icon = QMessageBox::Warning;
        bool modal = false;
    } seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), static_cast<int>(box->buttons().size()),
                box->icon(), box->windowModality() == Qt::ApplicationModal};
        box->button(QMessageBox::Ok)->click();
    });
    ClickStart();
    InstallMessageBoxPort(previous);
    EXPECT_EQ(seen.caption, "信息：");
    EXPECT_EQ(seen.text, "组选数 超出范围!");
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_TRUE(seen.modal);
}

}  // namespace
}  // namespace xuanhao

namespace xuanhao {
namespace {

TEST_F(RunInWindowTest, ALongRunShowsProgressAndCanBeCancelled) {
    testing_support::RecordingBoxes boxes;
    // Too spread for counting by sums and without any pair: it would search for hours.
    std::string list;
    for (int v = 1; v <= 60; ++v) list += std::to_string(v * 1000003) + ",";
    window_.SetControlText("编辑框1", list);
    window_.SetControlText("奇数编辑框", "7");
    window_.SetControlText("偶数编辑框", "8");
    window_.SetControlText("前数文本框", "-2147483648");
    window_.SetControlText("后数文本框", "2147483647");
    window_.SetControlText("分解数编辑框", "1");
    QElapsedTimer sinceClick;
    qint64 shownAfter = -1;
    QString progressText;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        shownAfter = sinceClick.elapsed();
        progressText = dialog->labelText();
        poll.stop();
        dialog->cancel();
    });
    poll.start();
    sinceClick.start();
    ClickStart();
    EXPECT_GE(shownAfter, 500) << "nothing shows for the first half second";
    EXPECT_TRUE(progressText.contains("已找到 0 组")) << progressText.toStdString();
    EXPECT_EQ(window_.GetControlText("标签9"), "已取消");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(window_.GetControlText("分解数编辑框"), "1");
}

}  // namespace
}  // namespace xuanhao
