// GoogleTest main for tests that need the window layer.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // The window tests never need a display, also when CTest lists them at build time.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
