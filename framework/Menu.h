#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMenuBar;

namespace fw {

class Window;

// One item of a menu bar or a menu: a command, a menu holding further items, or, with the
// caption "-", a separator.
class MenuItem {
public:
    virtual ~MenuItem() = default;

    std::string name;
    bool autoEnabled = false;
    std::optional<int> index;
    std::string value; // the caption; "&" marks the mnemonic
    bool visible = false;
    std::optional<std::string> shortcut; // "Cmd+P" is Ctrl+P here; empty: no key

    // Appends an item at the end.
    void AddMenu(std::unique_ptr<MenuItem> item);
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
    // The first item of that name, or null.
    MenuItem* Child(const std::string& itemName) const;

    bool IsSeparator() const { return value == "-"; }
    // A quit item ends the application when chosen.
    virtual bool Quits() const { return false; }

private:
    std::vector<std::unique_ptr<MenuItem>> items_;
};

// The item that opens the about window; on this platform it stays where it is added.
class PrefsMenuItem : public MenuItem {};

class QuitMenuItem : public MenuItem {
public:
    bool Quits() const override { return true; }
};

// The application's menu bar: its top-level items in the order added.
class MenuBar : public MenuItem {};

// The key sequence text of a shortcut ("Cmd+P" gives "Ctrl+P"), empty for none.
std::string KeyOf(const std::optional<std::string>& shortcut);

// Shows the bar in the window as the toolkit's menu bar, owned by the window, and returns it.
// Every item, separators included, is drawn where it stands. A chosen item runs the window's
// menu handler of its name; the quit item quits from whichever window is in front; an Edit
// item without a handler acts on the focused text field. Auto-enabled Edit items are enabled
// only while they can act.
QMenuBar* ShowMenuBar(const MenuBar& bar, Window& window);

// The Edit items (EditUndo, EditCut, EditCopy, EditPaste, EditClear, EditSelectAll) act on the
// focused text field as its own keys do. Copy and Select All act on any text field; the others
// change its text and act only on one that takes typing. Returns whether the item acted.
bool RunEditCommand(const std::string& itemName);

} // namespace fw
