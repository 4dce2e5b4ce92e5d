// The application's menu bar: its items as built, the one shared instance, and the bar as
// the main window shows it, with each command reaching the window's handler of its name.
#include "AppTestSupport.h"

#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "framework/Application.h"
#include "framework/Menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <optional>
#include <string>
#include <vector>

namespace varnel::test {

namespace {

enum class ItemKind { Plain, Prefs, Quit };

struct ItemRow {
    const char* in; // "" for the bar itself
    const char* name;
    ItemKind kind;
    const char* caption;
    std::optional<std::string> shortcut; // nullopt: never set; "": set to the empty text
    std::optional<int> index;
    const char* key; // the key sequence the shown menu gives the item
};

// Every item of the bar, in the order built: each top-level item followed by its items.
const ItemRow kItems[] = {
    {"", "aboutItem", ItemKind::Prefs, "About ...", "", {}, ""},
    {"", "FileMenu", ItemKind::Plain, "File", "", {}, ""},
    {"FileMenu", "UntitledSeparator", ItemKind::Plain, "-", std::nullopt, {}, ""},
    {"FileMenu", "FilePageSetup", ItemKind::Plain, "Printer Setup ...", "", {}, ""},
    {"FileMenu", "FilePrint", ItemKind::Plain, "Print ...", "Cmd+P", {}, "Ctrl+P"},
    {"FileMenu", "UntitledSeparator", ItemKind::Plain, "-", std::nullopt, 1, ""},
    {"FileMenu", "FileQuit", ItemKind::Quit, "&Quit", "Cmd+Q", {}, "Ctrl+Q"},
    {"", "EditMenu", ItemKind::Plain, "&Edit", "", {}, ""},
    {"EditMenu", "EditUndo", ItemKind::Plain, "&Undo", "Cmd+Z", {}, "Ctrl+Z"},
    {"EditMenu", "UntitledMenu1", ItemKind::Plain, "-", std::nullopt, {}, ""},
    {"EditMenu", "EditCut", ItemKind::Plain, "Cu&t", "Cmd+X", {}, "Ctrl+X"},
    {"EditMenu", "EditCopy", ItemKind::Plain, "&Copy", "Cmd+C", {}, "Ctrl+C"},
    {"EditMenu", "EditPaste", ItemKind::Plain, "&Paste", "Cmd+V", {}, "Ctrl+V"},
    {"EditMenu", "EditClear", ItemKind::Plain, "&Delete", "", {}, ""},
    {"EditMenu", "UntitledMenu0", ItemKind::Plain, "-", std::nullopt, {}, ""},
    {"EditMenu", "EditSelectAll", ItemKind::Plain, "Select &All", "Cmd+A", {}, "Ctrl+A"},
};

struct Placed {
    std::string in;
    const fw::MenuItem* item;
};

std::vector<Placed> Flatten(const fw::MenuBar& bar) {
    std::vector<Placed> out;
    for (const auto& top : bar.Items()) {
        out.push_back({"", top.get()});
        for (const auto& item : top->Items())
            out.push_back({top->name, item.get()});
    }
    return out;
}

ItemKind KindOf(const fw::MenuItem* item) {
    if (dynamic_cast<const fw::PrefsMenuItem*>(item))
        return ItemKind::Prefs;
    if (dynamic_cast<const fw::QuitMenuItem*>(item))
        return ItemKind::Quit;
    return ItemKind::Plain;
}

// The shown bar's actions in order, each with the name of the menu it is in.
struct ShownAction {
    std::string in;
    QAction* action;
};

std::vector<ShownAction> Flatten(QMenuBar* bar) {
    std::vector<ShownAction> out;
    for (QAction* top : bar->actions()) {
        QMenu* menu = top->menu();
        out.push_back({"", menu ? menu->menuAction() : top});
        if (menu)
            for (QAction* item : menu->actions())
                out.push_back({menu->objectName().toStdString(), item});
    }
    return out;
}

std::string NameOf(QAction* action) {
    if (QMenu* menu = action->menu())
        return menu->objectName().toStdString();
    return action->objectName().toStdString();
}

} // namespace

class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override { menuBar1 = nullptr; }
    void TearDown() override { menuBar1 = nullptr; }
};

TEST_F(MenuBarTest, HoldsItsItemsInOrder) {
    const std::shared_ptr<MenuBar1> bar = MenuBar1Instance();
    ASSERT_NE(bar, nullptr);
    const std::vector<Placed> items = Flatten(*bar);
    ASSERT_EQ(items.size(), std::size(kItems));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ItemRow& row = kItems[i];
        const fw::MenuItem* item = items[i].item;
        SCOPED_TRACE(std::to_string(i + 1) + " " + row.name);
        EXPECT_EQ(items[i].in, row.in);
        EXPECT_EQ(item->name, row.name);
        EXPECT_EQ(KindOf(item), row.kind);
        EXPECT_EQ(item->value, row.caption);
        EXPECT_EQ(item->shortcut, row.shortcut);
        EXPECT_EQ(item->index, row.index);
        EXPECT_TRUE(item->autoEnabled);
        EXPECT_TRUE(item->visible);
        EXPECT_EQ(item->IsSeparator(), std::string(row.caption) == "-");
        EXPECT_EQ(item->Quits(), row.kind == ItemKind::Quit);
    }
    EXPECT_EQ(bar->Child("FileMenu"), items[1].item);
    EXPECT_EQ(bar->Child("EditMenu"), items[7].item);
}

TEST_F(MenuBarTest, IsOneSharedInstanceBuiltOnFirstUse) {
    EXPECT_EQ(menuBar1, nullptr);
    const std::shared_ptr<MenuBar1> first = MenuBar1Instance();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(menuBar1, first);
    const std::shared_ptr<MenuBar1> second = MenuBar1Instance();
    EXPECT_EQ(second, first);
    EXPECT_EQ(Flatten(*second).size(), std::size(kItems)) << "the second call builds nothing";
}

// The main window opened once the application object holds the menu bar, as at start-up.
class ShownMenuBarTest : public MainWindowTest {
protected:
    void SetUp() override {
        CloseAllWindows();
        SetModuleStartValues();
        menuBar1 = nullptr;
        CreateAppObject();
        window = Window1Instance();
        ASSERT_NE(window, nullptr);
        bar = window->ShownMenuBar();
        ASSERT_NE(bar, nullptr);
    }
    void TearDown() override {
        CloseAllWindows();
        fw::RuntimeExit(); // releases the application object
        menuBar1 = nullptr;
    }

    QAction* Action(const char* name) const { return bar->findChild<QAction*>(name); }

    QMenuBar* bar = nullptr;
};

TEST_F(ShownMenuBarTest, MainWindowShowsTheApplicationsMenuBar) {
    ASSERT_NE(fw::CurrentApplication(), nullptr);
    EXPECT_EQ(fw::CurrentApplication()->GetMenuBar(), menuBar1);
    EXPECT_EQ(window->menuBar(), bar);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(window->Content()->size(), QSize(894, 781)) << "the content area lies below";

    const std::vector<ShownAction> actions = Flatten(bar);
    ASSERT_EQ(actions.size(), std::size(kItems));
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const ItemRow& row = kItems[i];
        QAction* action = actions[i].action;
        SCOPED_TRACE(std::to_string(i + 1) + " " + row.name);
        const bool separator = std::string(row.caption) == "-";
        EXPECT_EQ(actions[i].in, row.in);
        EXPECT_EQ(NameOf(action), row.name);
        EXPECT_EQ(action->isSeparator(), separator);
        if (!separator) {
            EXPECT_EQ(action->text(), row.caption);
        } else {
            EXPECT_TRUE(action->text().isEmpty()) << "the style would draw it beside the line";
        }
        EXPECT_EQ(action->shortcut(), QKeySequence(row.key));
        EXPECT_TRUE(action->isVisible());
        EXPECT_TRUE(action->isEnabled());
    }
}

TEST_F(ShownMenuBarTest, CommandsReachTheWindowsHandlerOfTheirName) {
    struct Row {
        const char* name;
        const char* item;
        bool handled;
    };
    const Row rows[] = {
        {"About ...", "aboutItem", true},
        {"Printer Setup ...", "FilePageSetup", true},
        {"Print ...", "FilePrint", true},
        {"Undo", "EditUndo", false},
        {"Cut", "EditCut", false},
        {"Copy", "EditCopy", false},
        {"Paste", "EditPaste", false},
        {"Delete", "EditClear", false},
        {"Select All", "EditSelectAll", false},
        {"Quit", "FileQuit", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(window->HasMenuHandler(row.item), row.handled);
    }

    // The window's own handlers open dialogs; probes in their place show which one a chosen
    // command runs.
    std::vector<std::string> ran;
    for (const Row& row : rows) {
        if (!row.handled)
            continue;
        const std::string item = row.item;
        window->AddMenuHandler(item, [&ran, item] {
            ran.push_back(item);
            return false;
        });
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.handled)
            continue;
        ran.clear();
        QAction* action = Action(row.item);
        ASSERT_NE(action, nullptr);
        action->trigger();
        EXPECT_EQ(ran, std::vector<std::string>{row.item});
        ran.clear();
        EXPECT_TRUE(window->RunMenuHandler(row.item));
        EXPECT_EQ(ran, std::vector<std::string>{row.item});
    }
    EXPECT_FALSE(window->RunMenuHandler("EditCopy")) << "no handler under that name";
}

} // namespace varnel::test
