#include "Menu.h"

namespace fw {

void MenuItem::AddMenu(std::unique_ptr<MenuItem> item) { items_.push_back(std::move(item)); }

MenuItem* MenuItem::Child(const std::string& itemName) const {
    for (const auto& item : items_)
        if (item->name == itemName)
            return item.get();
    return nullptr;
}

std::string KeyOf(const std::optional<std::string>& shortcut) {
    if (!shortcut)
        return {};
    std::string key = *shortcut;
    if (key.rfind("Cmd+", 0) == 0)
        key = "Ctrl+" + key.substr(4);
    return key;
}

} // namespace fw
