#pragma once

#include "framework/Menu.h"

#include <memory>

namespace varnel {

// The application's menu bar: "About ...", then the File and the Edit menu.
class MenuBar1 : public fw::MenuBar {
public:
    void Constructor();

private:
    void Untitled0(); // the About item
    void Untitled1(); // the File menu and its items
    void Untitled2(); // the Edit menu and its items
};

// The one shared menu bar, built on first use.
std::shared_ptr<MenuBar1> MenuBar1Instance();
// The variable behind MenuBar1Instance; nil until the first call and after shut-down.
extern std::shared_ptr<MenuBar1> menuBar1;

} // namespace varnel
