#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fw {

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

} // namespace fw
