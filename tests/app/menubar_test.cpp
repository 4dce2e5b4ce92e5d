// The application's menu bar: its items as built, the one shared instance, and the bar as
// the main window shows it, with each command reaching the window's handler of its name.
#include "AppTestSupport.h"

#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "framework/Application.h"
#include "framework/Menu.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTest>

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

    void FocusSpeedField() const {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        window->EditField2()->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), window->EditField2());
    }

    QMenuBar* bar = nullptr;
};

TEST_F(ShownMenuBarTest, MainWindowShowsTheApplicationsMenuBar) {
    ASSERT_NE(fw::CurrentApplication(), nullptr);
    EXPECT_EQ(fw::CurrentApplication()->GetMenuBar(), menuBar1);
    EXPECT_EQ(window->menuBar(), bar);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(window->Content()->size(), QSize(894, 781)) << "the content area lies below";

    // The Edit items are enabled while a field that takes typing has the focus.
    FocusSpeedField();

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

// The Edit commands on the focused field, chosen from the menu and typed as shortcuts. Each
// case starts from the same state: the field holds its text with a "7" typed at the end (so
// that Undo has a step to undo), its third and fourth characters are selected, and the
// clipboard holds "5". The speed field and the read-out fields take typing; the time display
// does not, so only Copy and Select All act on it and the other Edit items are disabled.
struct EditCase {
    const char* name;
    const char* field;
    const char* text;     // the field's text before the "7" is typed
    const char* item;     // the menu item; null for typing, which no item stands for
    const char* keys;     // the item's shortcut, or the key typed ("Del" where it has none)
    bool enabled;         // the item while the field has the focus
    const char* after;    // the field's text afterwards
    const char* clip;     // the clipboard afterwards
    const char* selected; // the selection afterwards; null: not checked
};

const EditCase editCases[] = {
    {"speed field: Undo", "EditField2", "0.25", "EditUndo", "Ctrl+Z", true, "0.25", "5", nullptr},
    {"speed field: Cut", "EditField2", "0.25", "EditCut", "Ctrl+X", true, "0.7", "25", ""},
    {"speed field: Copy", "EditField2", "0.25", "EditCopy", "Ctrl+C", true, "0.257", "25", "25"},
    {"speed field: Paste", "EditField2", "0.25", "EditPaste", "Ctrl+V", true, "0.57", "5", ""},
    {"speed field: Delete", "EditField2", "0.25", "EditClear", "Del", true, "0.7", "5", ""},
    {"speed field: Select All", "EditField2", "0.25", "EditSelectAll", "Ctrl+A", true, "0.257", "5",
     "0.257"},
    {"speed field: typing", "EditField2", "0.25", nullptr, "9", true, "0.97", "5", ""},
    {"read-out: Undo", "EditField10", "12.50 ns", "EditUndo", "Ctrl+Z", true, "12.50 ns", "5",
     nullptr},
    {"read-out: Cut", "EditField10", "12.50 ns", "EditCut", "Ctrl+X", true, "120 ns7", ".5", ""},
    {"read-out: Copy", "EditField10", "12.50 ns", "EditCopy", "Ctrl+C", true, "12.50 ns7", ".5",
     ".5"},
    {"read-out: Paste", "EditField10", "12.50 ns", "EditPaste", "Ctrl+V", true, "1250 ns7", "5",
     ""},
    {"read-out: Delete", "EditField10", "12.50 ns", "EditClear", "Del", true, "120 ns7", "5", ""},
    {"read-out: Select All", "EditField10", "12.50 ns", "EditSelectAll", "Ctrl+A", true,
     "12.50 ns7", "5", "12.50 ns7"},
    {"read-out: typing", "EditField10", "12.50 ns", nullptr, "9", true, "1290 ns7", "5", ""},
    {"time display: Undo", "EditField14", "10.00 ns", "EditUndo", "Ctrl+Z", false, "10.00 ns7", "5",
     ".0"},
    {"time display: Cut", "EditField14", "10.00 ns", "EditCut", "Ctrl+X", false, "10.00 ns7", "5",
     ".0"},
    {"time display: Copy", "EditField14", "10.00 ns", "EditCopy", "Ctrl+C", true, "10.00 ns7", ".0",
     ".0"},
    {"time display: Paste", "EditField14", "10.00 ns", "EditPaste", "Ctrl+V", false, "10.00 ns7",
     "5", ".0"},
    {"time display: Delete", "EditField14", "10.00 ns", "EditClear", "Del", false, "10.00 ns7", "5",
     ".0"},
    {"time display: Select All", "EditField14", "10.00 ns", "EditSelectAll", "Ctrl+A", true,
     "10.00 ns7", "5", "10.00 ns7"},
    {"time display: typing", "EditField14", "10.00 ns", nullptr, "9", true, "10.00 ns7", "5", ".0"},
};

TEST_F(ShownMenuBarTest, EditCommandsActOnTheFocusedFieldAndSpareTheTimeDisplay) {
    enum class Drive { Menu, Keys };
    for (Drive drive : {Drive::Menu, Drive::Keys}) {
        for (const EditCase& c : editCases) {
            SCOPED_TRACE(std::string(drive == Drive::Menu ? "menu, " : "keys, ") + c.name);
            if (drive == Drive::Menu && !c.item)
                continue;
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            auto* field = qobject_cast<QLineEdit*>(window->ControlByName(c.field));
            ASSERT_NE(field, nullptr);
            field->setFocus();
            ASSERT_EQ(QApplication::focusWidget(), field);
            field->setText(c.text);
            field->end(false);
            field->insert("7");
            field->setSelection(2, 2);
            QApplication::clipboard()->setText("5");

            if (c.item) {
                ASSERT_NE(Action(c.item), nullptr);
                EXPECT_EQ(Action(c.item)->isEnabled(), c.enabled);
            }
            if (drive == Drive::Menu)
                Action(c.item)->trigger();
            else
                QTest::keySequence(field, QKeySequence(c.keys));

            EXPECT_EQ(field->text().toStdString(), c.after);
            EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.clip);
            if (c.selected) {
                EXPECT_EQ(field->selectedText().toStdString(), c.selected);
            }
        }
    }
}

TEST_F(ShownMenuBarTest, EditItemsAreDisabledWithoutATextField) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->SpeedSlider()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), window->SpeedSlider());
    for (const char* item :
         {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}) {
        SCOPED_TRACE(item);
        ASSERT_NE(Action(item), nullptr);
        EXPECT_FALSE(Action(item)->isEnabled());
    }
    // Moving into a field that takes typing enables them again.
    window->EditField2()->setFocus();
    EXPECT_TRUE(Action("EditPaste")->isEnabled());
}

// A menu draws every separator, also the one it begins with.
TEST_F(ShownMenuBarTest, MenusDrawEverySeparator) {
    for (const char* name : {"FileMenu", "EditMenu"}) {
        SCOPED_TRACE(name);
        auto* menu = bar->findChild<QMenu*>(name);
        ASSERT_NE(menu, nullptr);
        menu->popup(window->mapToGlobal(QPoint(40, 40)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        const QImage picture = menu->grab().toImage();
        const int frame = menu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu);
        int separators = 0;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                continue;
            ++separators;
            SCOPED_TRACE(separators);
            const QRect place = menu->actionGeometry(action);
            EXPECT_FALSE(place.isEmpty());
            EXPECT_GT(place.top(), frame) << "clear of the frame, where it would not be seen";
            // A line in the separator's place, set off from the blank two rows above it.
            const QRgb blank = picture.pixel(12, place.top() - 2);
            bool drawn = false;
            for (int y = place.top(); y <= place.bottom(); ++y)
                drawn = drawn || picture.pixel(12, y) != blank;
            EXPECT_TRUE(drawn);
        }
        EXPECT_EQ(separators, 2);
        // The File menu's first line is its separator, above "Printer Setup ...".
        const QRect first = menu->actionGeometry(menu->actions().front());
        EXPECT_LT(first.bottom(), menu->actionGeometry(menu->actions().at(1)).top());
        menu->close();
    }
}

} // namespace varnel::test
