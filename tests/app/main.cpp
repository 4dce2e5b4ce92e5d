#include <QApplication>

#include <gtest/gtest.h>

// The window tests drive real widgets, so one application object runs under all of them.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
