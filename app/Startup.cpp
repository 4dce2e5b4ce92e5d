#include "app/Startup.h"

#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "diagram/State.h"

#include <cstdlib>
#include <string>
#include <utility>

namespace varnel {

std::function<void(std::string_view)> onGlobalReleased;

void ProgramEntry() { std::exit(ProgramMain()); }

std::int32_t ProgramMain() {
    fw::RuntimeInit();
    RegisterClassesAndGlobals();
    RunApplication();
    ReleaseGlobals();
    return fw::RuntimeExit();
}

// Classes need no registration here; what remains is that every start value is in place
// before the application object, the menu bar or any window exists.
void RegisterClassesAndGlobals() {
    SetModuleStartValues();
    menuBar1 = nullptr;
}

void RunApplication() {
    CreateAppObject();
    fw::RunFrameworkInitialization(OpenDefaultWindow);
    fw::RuntimeRun();
}

void CreateAppObject() {
    auto app = std::make_unique<App>();
    app->Constructor();
    app->SetVersionData({1, 0, 0, 0, 0, "", "", ""});
    app->SetMenuBar(MenuBar1Instance());
    fw::RuntimeRegisterAppObject(std::move(app));
}

void OpenDefaultWindow() { Window1Instance(); }

namespace {

// The variable is set to nil first, then its old value is released.
template <class T> void Release(T& variable, std::string_view name) {
    T old = std::exchange(variable, T{});
    old = T{};
    if (onGlobalReleased)
        onGlobalReleased(name);
}

} // namespace

void ReleaseGlobals() {
    Release(blackSystem, "blackSystem");
    Release(blackObject, "blackObject");
    Release(printerSetup, "printerSetup");
    Release(redSystem, "redSystem");
    Release(redObject, "redObject");
    Release(spaceUnit, "spaceUnit");
    Release(timeUnit, "timeUnit");
    Release(menuBar1, "menuBar1");
}

} // namespace varnel
