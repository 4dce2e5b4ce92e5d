// Linked into the real program's entry point to make a program that quits as soon as its main
// window is up: as the toolkit's application object is made, a zero-delay timer is set that
// runs in the event loop, once the main window is open, and quits the way QUIT_BY names:
// "button" clicks the main window's Quit button, "menu" chooses the File menu's Quit. It says
// on standard output which it did, so that the test can tell that the way was found.
#include "app/Window1.h"
#include "framework/Window.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtGlobal>

#include <cstdio>

namespace {

void Quit() {
    auto* window =
        dynamic_cast<varnel::Window1*>(fw::Window::ImplicitWindow(varnel::Window1::className));
    const QByteArray way = qgetenv("QUIT_BY");
    if (window && way == "button") {
        std::puts("clicking the Quit button");
        std::fflush(stdout);
        window->PushButton3()->click();
        return;
    }
    QAction* item = window && window->ShownMenuBar()
                        ? window->ShownMenuBar()->findChild<QAction*>("FileQuit")
                        : nullptr;
    if (item && way == "menu") {
        std::puts("choosing File > Quit");
        std::fflush(stdout);
        item->trigger();
        return;
    }
    std::puts("no way to quit found");
    std::fflush(stdout);
    QCoreApplication::exit(3);
}

void QuitOnceRunning() { QTimer::singleShot(0, &Quit); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(QuitOnceRunning)
