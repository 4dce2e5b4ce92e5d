#include <QApplication>

#include <gtest/gtest.h>

// The window tests drive real widgets, so one application object runs under all of them.
// They run headless: without a platform of its own choosing, the offscreen one.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
