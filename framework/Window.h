#pragma once

#include "Color.h"
#include "Controls.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <typeinfo>
#include <variant>

class QMenuBar;

namespace fw {

class MenuBar;

// A window's own layout values. Width and height are those of the content area, below the
// menu bar where the window shows one.
struct WindowLayout {
    int width = 0;
    int height = 0;
    int minimumWidth = 64;
    int minimumHeight = 64;
    int maximumWidth = 32000;
    int maximumHeight = 32000;
    int type = 0; // kept as the window's value; acts on nothing here
    const char* title = "";
    bool hasCloseButton = true;
    bool hasMaximizeButton = false;
    bool hasMinimizeButton = true;
    bool hasFullScreenButton = false;
    bool resizeable = false;
    bool composite = false;  // kept as the window's value; acts on nothing here
    int macProcID = 0;       // kept as the window's value; acts on nothing here
    bool fullScreen = false; // kept as the window's value; acts on nothing here
    int defaultLocation = 0; // kept as the window's value; acts on nothing here
    bool visible = true;
    bool hasBackgroundColor = false;
    Color backgroundColor = RGB(255, 255, 255);
    bool menuBarVisible = true;
    bool liveResize = true; // kept as the window's value; acts on nothing here
};

// A handler method of a window of class W, in one of the shapes the events call.
template <class W>
using MemberHandler =
    std::variant<void (W::*)(QWidget*), bool (W::*)(QWidget*, int, int),
                 void (W::*)(QWidget*, int, int), void (W::*)(QWidget*, Graphics&)>;

// One attachment of a window's handler method to a control's event.
template <class W> struct Hookup {
    const char* control;
    Event event;
    MemberHandler<W> handler;
};

// A window built in four steps, which Constructor runs in this order: Layout,
// CreateControls, AddMenuHandlers, Open. From the start of Constructor the window can be
// found by its class name, so code that runs in Open finds the window being built.
class Window : public QMainWindow {
public:
    explicit Window(const char* className);
    ~Window() override;

    void Constructor();

    // Shows the window and brings it to the front.
    void Show();

    // Makes a window of class W and builds it. The window is top-level and deletes itself
    // when it is closed; the record of open windows is the only reference to it.
    template <class W> static W* New() {
        auto* window = new W;
        window->Constructor();
        return window;
    }

    // The open window registered under the class name, or null.
    static Window* ImplicitWindow(const std::string& className);
    // The open window of class W (registered under W::className); when none is open, a new
    // one is built and opened.
    template <class W> static W* Instance() {
        if (auto* open = dynamic_cast<W*>(ImplicitWindow(W::className)))
            return open;
        return New<W>();
    }
    // Closes every open window and lets the toolkit delete it.
    static void CloseAll();
    const std::string& ClassName() const { return className_; }

    // The content area: the parent of every control of the window.
    QWidget* Content() const { return content_; }

    // Creates a control from its layout values and adds it under its name; returns it. The
    // same as CreateControl followed by ApplyControlValues.
    QWidget* NewControl(const ControlLayout& values);
    // Creates a control of the class its layout values name, inside its parent, and adds it
    // under its name, with none of its other values yet. A parent named in the values that the
    // window does not have is a fault in the program: it stops the program with a message
    // that names the control and the parent (qFatal).
    QWidget* CreateControl(const ControlLayout& values);
    // Gives a control made by CreateControl the rest of its layout values and shows it; values
    // of another class than the control's stop the program, as SetControlValues says.
    void ApplyControlValues(QWidget* control, const ControlLayout& values);
    QWidget* ControlByName(const std::string& name) const;
    // The control of that name as class T; null when there is none. A control of another
    // class is a fault in the program: it stops the program with a message that names the
    // control, its class and T (qFatal), as no exception may leave a Qt event handler.
    template <class T> T* Control(const char* name) const {
        QWidget* control = ControlByName(name);
        if (!control)
            return nullptr;
        auto* typed = dynamic_cast<T*>(control);
        if (!typed)
            ControlOfAnotherClass(name, *control, typeid(T));
        return typed;
    }

    // Attaches every hookup of this control, in the table's order, bound to the window. A
    // hookup the control cannot take stops the program, as AddEventHandler says.
    template <class W, std::size_t N>
    void AttachHandlers(W* self, const char* control, const Hookup<W> (&table)[N]) {
        for (const Hookup<W>& row : table)
            if (std::string_view(row.control) == control)
                AddEventHandler(ControlByName(control), row.event, Bind(self, row.handler));
    }

    // Menu items run the handler attached here under their name while this window holds the
    // menu bar.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    bool HasMenuHandler(const std::string& itemName) const;
    // Runs the handler of the item; false when there is none.
    bool RunMenuHandler(const std::string& itemName);

    // Asks for a repaint of the whole window, its controls included; counted for tests.
    void Refresh();
    int RefreshCount() const { return refreshCount_; }

    QMenuBar* ShownMenuBar() const { return shownMenuBar_; }

protected:
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window*) {}
    virtual void Open() {}

    void ApplyLayout(const WindowLayout& layout);
    void closeEvent(QCloseEvent* e) override;

private:
    template <class W> static Handler Bind(W* self, const MemberHandler<W>& member) {
        return std::visit(
            [self](auto m) -> Handler {
                using M = decltype(m);
                if constexpr (std::is_same_v<M, void (W::*)(QWidget*)>)
                    return PlainHandler([self, m](QWidget* c) { (self->*m)(c); });
                else if constexpr (std::is_same_v<M, bool (W::*)(QWidget*, int, int)>)
                    return MouseDownHandler(
                        [self, m](QWidget* c, int x, int y) { return (self->*m)(c, x, y); });
                else if constexpr (std::is_same_v<M, void (W::*)(QWidget*, int, int)>)
                    return MouseHandler(
                        [self, m](QWidget* c, int x, int y) { (self->*m)(c, x, y); });
                else
                    return PaintHandler([self, m](QWidget* c, Graphics& g) { (self->*m)(c, g); });
            },
            member);
    }

    [[noreturn]] static void ControlOfAnotherClass(const char* name, const QWidget& control,
                                                   const std::type_info& wanted);
    void ApplyTabOrder();
    void Unregister();

    std::string className_;
    QWidget* content_ = nullptr;
    QMenuBar* shownMenuBar_ = nullptr;
    std::map<std::string, std::function<bool()>> menuHandlers_;
    int refreshCount_ = 0;
    bool visible_ = true;
};

} // namespace fw
