#include "app/MenuBar1.h"

#include <optional>

namespace varnel {

std::shared_ptr<MenuBar1> menuBar1;

namespace {

enum class Kind { Plain, Prefs, Quit };

// One item: where it goes ("" for the bar), its name, kind, caption and shortcut (nullopt:
// none set, as for the separators), and the index it carries, if any.
struct ItemRow {
    const char* in;
    const char* name;
    Kind kind;
    const char* caption;
    std::optional<const char*> shortcut;
    std::optional<int> index;
};

constexpr ItemRow aboutItems[] = {
    {"", "aboutItem", Kind::Prefs, "About ...", "", {}},
};
constexpr ItemRow fileItems[] = {
    {"", "FileMenu", Kind::Plain, "File", "", {}},
    {"FileMenu", "UntitledSeparator", Kind::Plain, "-", std::nullopt, {}},
    {"FileMenu", "FilePageSetup", Kind::Plain, "Printer Setup ...", "", {}},
    {"FileMenu", "FilePrint", Kind::Plain, "Print ...", "Cmd+P", {}},
    {"FileMenu", "UntitledSeparator", Kind::Plain, "-", std::nullopt, 1},
    {"FileMenu", "FileQuit", Kind::Quit, "&Quit", "Cmd+Q", {}},
};
constexpr ItemRow editItems[] = {
    {"", "EditMenu", Kind::Plain, "&Edit", "", {}},
    {"EditMenu", "EditUndo", Kind::Plain, "&Undo", "Cmd+Z", {}},
    {"EditMenu", "UntitledMenu1", Kind::Plain, "-", std::nullopt, {}},
    {"EditMenu", "EditCut", Kind::Plain, "Cu&t", "Cmd+X", {}},
    {"EditMenu", "EditCopy", Kind::Plain, "&Copy", "Cmd+C", {}},
    {"EditMenu", "EditPaste", Kind::Plain, "&Paste", "Cmd+V", {}},
    {"EditMenu", "EditClear", Kind::Plain, "&Delete", "", {}},
    {"EditMenu", "UntitledMenu0", Kind::Plain, "-", std::nullopt, {}},
    {"EditMenu", "EditSelectAll", Kind::Plain, "Select &All", "Cmd+A", {}},
};

// Builds the items in order; a menu is complete and in the bar before its first item.
template <std::size_t N> void Build(fw::MenuBar& bar, const ItemRow (&rows)[N]) {
    for (const ItemRow& row : rows) {
        std::unique_ptr<fw::MenuItem> item;
        switch (row.kind) {
        case Kind::Plain:
            item = std::make_unique<fw::MenuItem>();
            break;
        case Kind::Prefs:
            item = std::make_unique<fw::PrefsMenuItem>();
            break;
        case Kind::Quit:
            item = std::make_unique<fw::QuitMenuItem>();
            break;
        }
        item->name = row.name;
        item->autoEnabled = true;
        item->index = row.index;
        item->value = row.caption;
        item->visible = true;
        if (row.shortcut)
            item->shortcut = *row.shortcut;
        if (*row.in)
            bar.Child(row.in)->AddMenu(std::move(item));
        else
            bar.AddMenu(std::move(item));
    }
}

} // namespace

void MenuBar1::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
}

void MenuBar1::Untitled0() { Build(*this, aboutItems); }
void MenuBar1::Untitled1() { Build(*this, fileItems); }
void MenuBar1::Untitled2() { Build(*this, editItems); }

std::shared_ptr<MenuBar1> MenuBar1Instance() {
    if (!menuBar1) {
        menuBar1 = std::make_shared<MenuBar1>();
        menuBar1->Constructor();
    }
    return menuBar1;
}

} // namespace varnel
