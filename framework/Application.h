#pragma once

#include <functional>
#include <memory>
#include <string>

namespace fw {

class MenuBar;

// The application object: its version data and its menu bar. One is registered with the
// runtime, which holds it until the runtime shuts down.
class Application {
public:
    virtual ~Application() = default;

    struct VersionData {
        int majorVersion = 0, minorVersion = 0, bugVersion = 0, nonReleaseVersion = 0,
            stageCode = 0;
        std::string longVersion, shortVersion, packageInfo;
    };
    void SetVersionData(const VersionData& data) { version_ = data; }
    const VersionData& Version() const { return version_; }

    // The menu bar that the main window shows from now on.
    void SetMenuBar(std::shared_ptr<MenuBar> bar) { menuBar_ = std::move(bar); }
    const std::shared_ptr<MenuBar>& GetMenuBar() const { return menuBar_; }

private:
    VersionData version_;
    std::shared_ptr<MenuBar> menuBar_;
};

// The runtime under the program: its start, the application object, the event loop, quitting
// and the exit status.
void RuntimeInit();
void RuntimeRegisterAppObject(std::unique_ptr<Application> app);
Application* CurrentApplication();
// Initialises the toolkit and then calls the start callback.
void RunFrameworkInitialization(const std::function<void()>& start);
// Runs the event loop until the application quits; returns its status.
int RuntimeRun();
// Shuts the runtime down (the application object is released) and returns the exit status.
int RuntimeExit();
// Ends the event loop with the status.
void Quit(int status);

} // namespace fw
