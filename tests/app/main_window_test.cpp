#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <climits>
#include <optional>

#include "app/control_label.h"
#include "tests/support/recording_boxes.h"

namespace xuanhao {
namespace {

// Types text as key presses, one per character; QTest::keyClicks takes ASCII only.
void Type(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}

class MainWindowTest : public testing::Test {
  protected:
    MainWindowTest()
        : window_(state_, [this] {
              ++startClicks_;
              return RunResult{};
          }) {
        window_.Open();
        QApplication::setActiveWindow(&window_);
    }

    QLineEdit* Box(const char* name) { return window_.findChild<QLineEdit*>(name); }
    QToolButton* Arrow(const char* box, bool up) {
        auto* arrows = window_.findChild<QWidget*>(QString(box) + "_arrows");
        return arrows->findChild<QToolButton*>(up ? "up" : "down");
    }
    std::string Text(const char* name) { return window_.GetControlText(name); }

    ProgramState state_;
    int startClicks_ = 0;
    MainWindow window_;
};

TEST_F(MainWindowTest, EveryControlStandsWhereTheWindowDescriptionPutsIt) {
    struct Expected {
        const char* name;
        const char* kind;
        QRect geometry;
        const char* text;
    };
    const Expected controls[] = {
        {"透明标签2", "label", {336, 288, 104, 16}, nullptr},
        {"透明标签1", "label", {336, 268, 128, 24}, "Quillfen\r\n"},
        {"标签9", "label", {32, 232, 136, 48}, "等待处理"},
        {"标签8", "label", {304, 232, 32, 24}, "组选"},
        {"组选数编辑框", "edit", {342, 232, 64, 24}, "7"},
        {"标签7", "label", {103, 174, 153, 24}, "其中两数为下列数的分解数"},
        {"分解数编辑框", "edit", {263, 175, 80, 20}, "33"},
        {"选择框4", "check", {29, 175, 51, 24}, "条件3"},
        {"画板3", "panel", {16, 167, 408, 40}, nullptr},
        {"选择框3", "check", {30, 133, 50, 24}, "条件2"},
        {"选择框2", "check", {31, 86, 57, 24}, "条件1"},
        {"标签6", "label", {236, 131, 9, 24}, "："},
        {"标签5", "label", {101, 130, 80, 24}, "奇数与偶数比"},
        {"偶数编辑框", "edit", {248, 132, 24, 20}, "6"},
        {"奇数编辑框", "edit", {192, 132, 24, 20}, "1"},
        {"标签4", "label", {368, 84, 47, 24}, "之间"},
        {"标签3", "label", {259, 84, 16, 24}, "与"},
        {"标签2", "label", {103, 85, 64, 24}, "结果之和在"},
        {"标签1", "label", {15, 12, 51, 24}, "数据输入"},
        {"后数文本框", "edit", {283, 85, 80, 20}, "200"},
        {"前数文本框", "edit", {170, 86, 80, 20}, "150"},
        {"按钮1", "button", {208, 261, 80, 32}, "开始处理"},
        {"编辑框1", "edit", {72, 16, 352, 20}, "11,24,34,1,3,5,67,88,90,12,22,14,26,27,99"},
        {"画板1", "panel", {17, 78, 408, 40}, nullptr},
        {"画板2", "panel", {16, 122, 408, 40}, nullptr},
    };
    // The window's children from the bottom of the stack to the top, controls only.
    QStringList stack;
    for (QObject* child : window_.children()) {
        const QString name = child->objectName();
        if (!name.endsWith("_arrows") && name != "查看结果按钮") stack.prepend(name);
    }
    ASSERT_EQ(stack.size(), static_cast<qsizetype>(std::size(controls)));
    for (std::size_t row = 0; row < std::size(controls); ++row) {
        const Expected& c = controls[row];
        SCOPED_TRACE(c.name);
        QWidget* widget = window_.Control(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName(), QString(c.name));
        EXPECT_EQ(stack[static_cast<qsizetype>(row)], QString(c.name)) << "stacking order";
        EXPECT_EQ(widget->geometry(), c.geometry);
        EXPECT_TRUE(widget->isVisible());
        const std::string kind = c.kind;
        if (kind == "label") {
            EXPECT_NE(qobject_cast<ControlLabel*>(widget), nullptr);
        } else if (kind == "edit") {
            EXPECT_NE(qobject_cast<QLineEdit*>(widget), nullptr);
        } else if (kind == "check") {
            ASSERT_NE(qobject_cast<QCheckBox*>(widget), nullptr);
            EXPECT_TRUE(qobject_cast<QCheckBox*>(widget)->isChecked());
        } else if (kind == "button") {
            EXPECT_NE(qobject_cast<QPushButton*>(widget), nullptr);
        } else {
            ASSERT_NE(qobject_cast<QFrame*>(widget), nullptr);
            EXPECT_EQ(qobject_cast<QFrame*>(widget)->frameShape(), QFrame::Box);
        }
        if (c.text != nullptr) {
            EXPECT_EQ(Text(c.name), c.text);
        }
    }
}

TEST_F(MainWindowTest, WindowAndControlSettings) {
    EXPECT_EQ(window_.windowTitle(), "15选5");
    EXPECT_EQ(window_.objectName(), "主窗口");
    EXPECT_EQ(window_.minimumSize(), window_.maximumSize()) << "fixed frame";
    EXPECT_FALSE(window_.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window_.windowFlags() & Qt::WindowCloseButtonHint);

    auto* status = window_.findChild<QLabel*>("标签9");
    EXPECT_TRUE(status->wordWrap());
    EXPECT_EQ(status->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(status->autoFillBackground());
    EXPECT_FALSE(window_.findChild<QLabel*>("透明标签1")->autoFillBackground());
    EXPECT_EQ(window_.findChild<QLabel*>("透明标签1")->text(), "Quillfen") << "drawn on one line";

    EXPECT_FALSE(Box("组选数编辑框")->isEnabled());
    EXPECT_FALSE(window_.findChild<QWidget*>("组选数编辑框_arrows")->isEnabled());
    for (const char* name :
         {"组选数编辑框", "奇数编辑框", "偶数编辑框", "分解数编辑框", "前数文本框", "后数文本框"}) {
        EXPECT_EQ(Box(name)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter) << name;
    }
    EXPECT_EQ(Box("编辑框1")->maxLength(), INT_MAX);
    for (const char* box : {"奇数编辑框", "偶数编辑框", "组选数编辑框"}) {
        SCOPED_TRACE(box);
        const QRect arrows = window_.findChild<QWidget*>(QString(box) + "_arrows")->geometry();
        const QRect edit = Box(box)->geometry();
        EXPECT_EQ(arrows, QRect(edit.right() + 1, edit.top(), 18, edit.height()));
    }
}

TEST_F(MainWindowTest, GroupSizeFollowsTheCountsAsTheyAreTyped) {
    EXPECT_EQ(state_.groupSize, 7) << "set by the created event";
    EXPECT_EQ(Text("组选数编辑框"), "7");

    struct Edit {
        const char* name;
        const char* box;
        const char* typed;  // typed into the emptied box
        std::int32_t groupSize;
        const char* shown;
    };
    const Edit edits[] = {
        {"three odd", "奇数编辑框", "3", 9, "9"},
        {"empty even box", "偶数编辑框", "", 3, "3"},
        {"letters count as 0", "偶数编辑框", "abc", 3, "3"},
        {"full-width digits", "奇数编辑框", "１２", 12, "12"},
        {"one even", "偶数编辑框", "1", 13, "13"},
        {"wrap to the least integer", "奇数编辑框", "2147483647", INT_MIN, "-2147483648"},
    };
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.name);
        QLineEdit* box = Box(e.box);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        Type(box, QString::fromUtf8(e.typed));
        EXPECT_EQ(state_.groupSize, e.groupSize);
        EXPECT_EQ(Text("组选数编辑框"), e.shown);
    }
}

TEST_F(MainWindowTest, EachKeystrokeRecomputesTheGroupSize) {
    QLineEdit* odd = Box("奇数编辑框");
    odd->setFocus();
    odd->selectAll();
    QTest::keyClick(odd, Qt::Key_Backspace);
    EXPECT_EQ(state_.groupSize, 6);
    QTest::keyClick(odd, Qt::Key_1);
    EXPECT_EQ(state_.groupSize, 7);
    QTest::keyClick(odd, Qt::Key_2);
    EXPECT_EQ(state_.groupSize, 18);
}

TEST_F(MainWindowTest, WritingABoxRunsItsHandlerOnceEvenWithTheSameText) {
    state_.groupSize = 0;
    window_.SetControlText("偶数编辑框", "6");
    EXPECT_EQ(state_.groupSize, 7);
    window_.SetControlText("分解数编辑框", "40");  // no handler: nothing else changes
    EXPECT_EQ(Text("分解数编辑框"), "40");
    EXPECT_EQ(state_.groupSize, 7);
}

TEST_F(MainWindowTest, SpinArrowsStepWithinTheirRanges) {
    struct Step {
        const char* box;
        const char* start;
        bool up;
        const char* result;
    };
    const Step steps[] = {
        {"偶数编辑框", "6", true, "7"},      {"偶数编辑框", "100", true, "1"},
        {"偶数编辑框", "1", false, "100"},   {"奇数编辑框", "0", false, "100"},
        {"奇数编辑框", "100", true, "0"},    {"偶数编辑框", "150", true, "1"},
        {"偶数编辑框", "150", false, "100"}, {"偶数编辑框", "abc", true, "1"},
        {"偶数编辑框", "abc", false, "100"}, {"奇数编辑框", "１２", true, "1"},
        {"奇数编辑框", " 5x", false, "4"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.box) + " " + s.start + (s.up ? " up" : " down"));
        window_.SetControlText(s.box, s.start);
        window_.findChild<QPushButton*>("按钮1")->setFocus();
        QTest::mouseClick(Arrow(s.box, s.up), Qt::LeftButton);
        QLineEdit* box = Box(s.box);
        EXPECT_EQ(box->text().toStdString(), s.result);
        EXPECT_EQ(box->selectedText(), box->text()) << "whole text selected";
        EXPECT_TRUE(box->hasFocus());
        EXPECT_EQ(state_.groupSize, std::stoi(Text("奇数编辑框")) + std::stoi(Text("偶数编辑框")));
    }
}

TEST_F(MainWindowTest, TheGroupSizeBoxTakesNoInput) {
    QTest::mouseClick(Arrow("组选数编辑框", true), Qt::LeftButton);
    QTest::keyClicks(Box("组选数编辑框"), "5");
    EXPECT_EQ(Text("组选数编辑框"), "7");
    EXPECT_EQ(state_.groupSize, 7);
}

TEST_F(MainWindowTest, TheStartButtonRunsTheStartHandler) {
    QTest::mouseClick(window_.findChild<QPushButton*>("按钮1"), Qt::LeftButton);
    EXPECT_EQ(startClicks_, 1);
    window_.findChild<QCheckBox*>("选择框2")->click();  // read by nothing
    EXPECT_EQ(startClicks_, 1);
}

}  // namespace
}  // namespace xuanhao
