#include "Menu.h"

#include "Application.h"
#include "Window.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

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

namespace {

struct EditCommand {
    const char* item;
    bool changesText;
    void (*act)(QLineEdit*);
};

constexpr EditCommand editCommands[] = {
    {"EditUndo", true, [](QLineEdit* f) { f->undo(); }},
    {"EditCut", true, [](QLineEdit* f) { f->cut(); }},
    {"EditCopy", false, [](QLineEdit* f) { f->copy(); }},
    {"EditPaste", true, [](QLineEdit* f) { f->paste(); }},
    {"EditClear", true, [](QLineEdit* f) { f->del(); }},
    {"EditSelectAll", false, [](QLineEdit* f) { f->selectAll(); }},
};

const EditCommand* FindEditCommand(const std::string& itemName) {
    for (const EditCommand& command : editCommands)
        if (itemName == command.item)
            return &command;
    return nullptr;
}

// The field an Edit command acts on, or null when it cannot act. The toolkit's line edit
// carries out cut, paste, delete and undo even when it takes no typing, so that is checked
// here.
QLineEdit* EditTarget(const EditCommand& command) {
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!field || (command.changesText && field->isReadOnly()))
        return nullptr;
    return field;
}

// The auto-enabled Edit items are enabled while they can act: whenever the focus moves and
// whenever a menu opens.
void UpdateEditItems(QMenuBar* bar) {
    for (QAction* action : bar->findChildren<QAction*>()) {
        if (!action->property("autoEnabled").toBool())
            continue;
        if (const EditCommand* command = FindEditCommand(action->objectName().toStdString()))
            action->setEnabled(EditTarget(*command) != nullptr);
    }
}

} // namespace

bool RunEditCommand(const std::string& itemName) {
    const EditCommand* command = FindEditCommand(itemName);
    QLineEdit* field = command ? EditTarget(*command) : nullptr;
    if (!field)
        return false;
    command->act(field);
    return true;
}

QMenuBar* ShowMenuBar(const MenuBar& bar, Window& window) {
    auto* shown = new QMenuBar(&window);
    window.setMenuBar(shown);

    auto addAction = [&window](QWidget* into, const MenuItem& item) {
        // A separator's caption "-" only marks it; the style would draw it beside the line.
        auto* action =
            new QAction(item.IsSeparator() ? QString() : QString::fromStdString(item.value), into);
        action->setObjectName(QString::fromStdString(item.name));
        action->setVisible(item.visible);
        action->setProperty("autoEnabled", item.autoEnabled);
        if (item.IsSeparator()) {
            action->setSeparator(true);
        } else {
            action->setShortcut(QKeySequence(QString::fromStdString(KeyOf(item.shortcut))));
            const std::string name = item.name;
            const bool quits = item.Quits();
            // Quitting ends the application from whichever of its windows is in front.
            if (quits)
                action->setShortcutContext(Qt::ApplicationShortcut);
            QObject::connect(action, &QAction::triggered, &window, [&window, name, quits] {
                if (quits)
                    Quit(0);
                else if (!window.RunMenuHandler(name))
                    RunEditCommand(name);
            });
        }
        into->addAction(action);
    };

    for (const auto& top : bar.Items()) {
        if (top->Items().empty()) {
            addAction(shown, *top);
            continue;
        }
        auto* menu = new QMenu(QString::fromStdString(top->value), shown);
        menu->setObjectName(QString::fromStdString(top->name));
        menu->menuAction()->setVisible(top->visible);
        // Every separator is drawn, also one that begins a menu; the margin keeps that one
        // clear of the menu's frame.
        menu->setSeparatorsCollapsible(false);
        menu->setContentsMargins(0, 4, 0, 4);
        for (const auto& item : top->Items())
            addAction(menu, *item);
        QObject::connect(menu, &QMenu::aboutToShow, shown, [shown] { UpdateEditItems(shown); });
        shown->addMenu(menu);
    }
    QObject::connect(qApp, &QApplication::focusChanged, shown,
                     [shown](QWidget*, QWidget*) { UpdateEditItems(shown); });
    return shown;
}

} // namespace fw
