#include "Application.h"

#include "Window.h"

#include <QApplication>

namespace fw {

namespace {

struct Runtime {
    std::unique_ptr<QApplication> ownQApplication;
    std::unique_ptr<Application> app;
    int status = 0;
};

Runtime& TheRuntime() {
    static Runtime runtime;
    return runtime;
}

// The toolkit keeps pointers to these for the life of the QApplication. The command line is
// not handed on: the program takes no arguments.
int argcStore = 1;
char programName[] = "varnel";
char* argvStore[] = {programName, nullptr};

} // namespace

void RuntimeInit() {
    Runtime& rt = TheRuntime();
    rt.status = 0;
    if (!QCoreApplication::instance())
        rt.ownQApplication = std::make_unique<QApplication>(argcStore, argvStore);
}

void RuntimeRegisterAppObject(std::unique_ptr<Application> app) {
    TheRuntime().app = std::move(app);
}

Application* CurrentApplication() { return TheRuntime().app.get(); }

void RunFrameworkInitialization(const std::function<void()>& start) {
    if (start)
        start();
}

int RuntimeRun() {
    Runtime& rt = TheRuntime();
    rt.status = QApplication::exec();
    return rt.status;
}

int RuntimeExit() {
    Runtime& rt = TheRuntime();
    Window::CloseAll(); // before the toolkit goes, so that each window is deleted
    rt.app.reset();
    rt.ownQApplication.reset();
    return rt.status;
}

void Quit(int status) { QCoreApplication::exit(status); }

} // namespace fw
