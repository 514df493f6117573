// The window tests' main: one application for the whole run, destroyed before Qt's
// own statics are. The tests never need a screen: without a platform named (CTest
// names it; the test listing and a run by hand do not) they use the offscreen one.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
