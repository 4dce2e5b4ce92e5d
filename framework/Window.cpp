#include "Window.h"

#include "Application.h"
#include "Menu.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>

#include <algorithm>
#include <vector>

namespace fw {

namespace {

// The open windows, oldest first.
std::vector<Window*>& OpenWindows() {
    static std::vector<Window*> windows;
    return windows;
}

} // namespace

Window::Window(const char* className) : className_(className) {
    setAttribute(Qt::WA_DeleteOnClose);
    content_ = new QWidget(this);
    content_->setObjectName("content");
    setCentralWidget(content_);
}

Window::~Window() { Unregister(); }

void Window::Unregister() {
    auto& windows = OpenWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
}

Window* Window::ImplicitWindow(const std::string& className) {
    const auto& windows = OpenWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->className_ == className)
            return *it;
    return nullptr;
}

void Window::CloseAll() {
    const std::vector<Window*> windows = OpenWindows();
    for (Window* w : windows)
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Window::Constructor() {
    OpenWindows().push_back(this);
    Layout();
    CreateControls();
    ApplyTabOrder();
    AddMenuHandlers(this);
    Open();
    if (visible_)
        show();
}

void Window::Show() {
    show();
    raise();
    activateWindow();
}

void Window::ApplyLayout(const WindowLayout& l) {
    setWindowTitle(QString::fromUtf8(l.title));
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (l.hasCloseButton)
        flags |= Qt::WindowCloseButtonHint;
    if (l.hasMinimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (l.hasMaximizeButton)
        flags |= Qt::WindowMaximizeButtonHint;
    if (l.hasFullScreenButton)
        flags |= Qt::WindowFullscreenButtonHint;
    setWindowFlags(flags);

    if (l.resizeable) {
        content_->setMinimumSize(l.minimumWidth, l.minimumHeight);
        content_->setMaximumSize(l.maximumWidth, l.maximumHeight);
        content_->resize(l.width, l.height);
    } else {
        content_->setFixedSize(l.width, l.height);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    if (l.hasBackgroundColor) {
        content_->setAutoFillBackground(true);
        SetPalette(content_, QPalette::Window, l.backgroundColor);
    }
    visible_ = l.visible;

    // The application's menu bar lives in one window here: the first that asks for it.
    Application* app = CurrentApplication();
    if (l.menuBarVisible && app && app->GetMenuBar()) {
        const bool taken = std::any_of(OpenWindows().begin(), OpenWindows().end(),
                                       [](Window* w) { return w->shownMenuBar_ != nullptr; });
        if (!taken)
            shownMenuBar_ = ShowMenuBar(*app->GetMenuBar(), *this);
    }
    resize(sizeHint());
}

QWidget* Window::NewControl(const ControlLayout& s) {
    QWidget* w = CreateControl(s);
    ApplyControlValues(w, s);
    return w;
}

QWidget* Window::CreateControl(const ControlLayout& s) {
    QWidget* parent = content_;
    if (*s.parent) {
        parent = ControlByName(s.parent);
        if (!parent)
            qFatal("control %s: no parent %s", s.name, s.parent);
    }
    return MakeControl(s, parent);
}

void Window::ApplyControlValues(QWidget* w, const ControlLayout& s) {
    SetControlValues(w, s, content_);
}

// Tab indices count within the parent: the focus goes through a parent's controls in their
// order, into each group box's controls where the box stands.
void Window::ApplyTabOrder() {
    std::vector<QWidget*> chain;
    std::function<void(QWidget*)> walk = [&](QWidget* parent) {
        std::vector<QWidget*> children;
        for (QObject* o : parent->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && w->property("tabIndex").isValid())
                children.push_back(w);
        std::stable_sort(children.begin(), children.end(), [](QWidget* a, QWidget* b) {
            return a->property("tabIndex").toInt() < b->property("tabIndex").toInt();
        });
        for (QWidget* w : children) {
            if (w->focusPolicy() & Qt::TabFocus)
                chain.push_back(w);
            walk(w);
        }
    };
    walk(content_);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void Window::ControlOfAnotherClass(const char* name, const QWidget& control,
                                   const std::type_info& wanted) {
    qFatal("control %s is a %s, not a %s", name, TypeName(typeid(control)).c_str(),
           TypeName(wanted).c_str());
}

QWidget* Window::ControlByName(const std::string& name) const {
    return content_->findChild<QWidget*>(QString::fromStdString(name));
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
    menuHandlers_[itemName] = std::move(handler);
}

bool Window::HasMenuHandler(const std::string& itemName) const {
    return menuHandlers_.count(itemName) != 0;
}

bool Window::RunMenuHandler(const std::string& itemName) {
    auto it = menuHandlers_.find(itemName);
    if (it == menuHandlers_.end())
        return false;
    auto handler = it->second; // the handler may close this window
    handler();
    return true;
}

void Window::Refresh() {
    ++refreshCount_;
    update(); // the repaint of a region takes in every control inside it
}

void Window::closeEvent(QCloseEvent* e) {
    Unregister();
    QMainWindow::closeEvent(e);
}

} // namespace fw
