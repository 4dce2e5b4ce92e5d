#pragma once

#include "framework/Application.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace varnel {

// The application class: version data and menu bar, nothing of its own.
class App : public fw::Application {
public:
    void Constructor() {}
};

// The life of the process, from the entry point to the exit status.
[[noreturn]] void ProgramEntry();
std::int32_t ProgramMain();
void RegisterClassesAndGlobals();
void RunApplication();
void CreateAppObject();
void OpenDefaultWindow();
void ReleaseGlobals();

// Told the name of each module variable once its old value has been released at shut-down.
extern std::function<void(std::string_view)> onGlobalReleased;

} // namespace varnel
