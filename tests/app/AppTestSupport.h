#pragma once

#include "app/Window1.h"
#include "diagram/State.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace varnel::test {

// Closes every open window and lets the toolkit delete them.
inline void CloseAllWindows() {
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A fresh main window over the start state, as the program opens it.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAllWindows();
        SetModuleStartValues();
        window = Window1Instance();
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { CloseAllWindows(); }

    Window1* window = nullptr;
};

} // namespace varnel::test
