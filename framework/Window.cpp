#include "Window.h"

#include "Application.h"
#include "Menu.h"
#include "QtColor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace fw {

namespace {

// The open windows, oldest first.
std::vector<Window*>& OpenWindows() {
    static std::vector<Window*> windows;
    return windows;
}

// The Edit items act on the focused text field, as they do in every text field.
bool RunEditCommand(const std::string& itemName) {
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!field)
        return false;
    if (itemName == "EditUndo")
        field->undo();
    else if (itemName == "EditCut")
        field->cut();
    else if (itemName == "EditCopy")
        field->copy();
    else if (itemName == "EditPaste")
        field->paste();
    else if (itemName == "EditClear")
        field->del();
    else if (itemName == "EditSelectAll")
        field->selectAll();
    else
        return false;
    return true;
}

void SetPalette(QWidget* w, QPalette::ColorRole role, Color c) {
    QPalette p = w->palette();
    p.setColor(role, ToQColor(c));
    w->setPalette(p);
}

// The control as the class its layout values are for.
template <class T> T* As(QWidget* control, const ControlLayout& values) {
    auto* typed = dynamic_cast<T*>(control);
    if (!typed)
        throw std::logic_error(std::string("control ") + values.name +
                               ": layout values of another class");
    return typed;
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
            ShowMenuBar(*app->GetMenuBar());
    }
    resize(sizeHint());
}

void Window::ShowMenuBar(const MenuBar& bar) {
    shownMenuBar_ = new QMenuBar(this);
    setMenuBar(shownMenuBar_);

    auto addAction = [this](QWidget* into, const MenuItem& item) {
        // A separator's caption "-" only marks it; the style would draw it beside the line.
        auto* action =
            new QAction(item.IsSeparator() ? QString() : QString::fromStdString(item.value), into);
        action->setObjectName(QString::fromStdString(item.name));
        action->setVisible(item.visible);
        if (item.IsSeparator()) {
            action->setSeparator(true);
        } else {
            action->setShortcut(QKeySequence(QString::fromStdString(KeyOf(item.shortcut))));
            const std::string name = item.name;
            const bool quits = item.Quits();
            QObject::connect(action, &QAction::triggered, this, [this, name, quits] {
                if (quits)
                    Quit(0);
                else if (!RunMenuHandler(name))
                    RunEditCommand(name);
            });
        }
        into->addAction(action);
    };

    for (const auto& top : bar.Items()) {
        if (top->Items().empty()) {
            addAction(shownMenuBar_, *top);
            continue;
        }
        auto* menu = new QMenu(QString::fromStdString(top->value), shownMenuBar_);
        menu->setObjectName(QString::fromStdString(top->name));
        menu->menuAction()->setVisible(top->visible);
        for (const auto& item : top->Items())
            addAction(menu, *item);
        shownMenuBar_->addMenu(menu);
    }
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
            throw std::logic_error(std::string("control ") + s.name + ": no parent " + s.parent);
    }

    QWidget* w = nullptr;
    switch (s.cls) {
    case ControlClass::Rectangle:
        w = new Rectangle(parent);
        break;
    case ControlClass::Canvas:
        w = new Canvas(parent);
        break;
    case ControlClass::GroupBox:
        w = new QGroupBox(parent);
        break;
    case ControlClass::RadioButton:
        w = new QRadioButton(parent);
        break;
    case ControlClass::CheckBox:
        w = new QCheckBox(parent);
        break;
    case ControlClass::PushButton:
        w = new QPushButton(parent);
        break;
    case ControlClass::TextField:
        w = new QLineEdit(parent);
        break;
    case ControlClass::Label:
        w = new Label(parent);
        break;
    case ControlClass::Slider:
        w = new QSlider(Qt::Horizontal, parent);
        break;
    }
    w->setObjectName(QString::fromUtf8(s.name));
    return w;
}

void Window::ApplyControlValues(QWidget* w, const ControlLayout& s) {
    const QString text = QString::fromUtf8(s.text);
    const Qt::Alignment align =
        (s.textAlignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    switch (s.cls) {
    case ControlClass::Rectangle:
        As<Rectangle>(w, s);
        break;
    case ControlClass::Canvas:
        As<Canvas>(w, s);
        break;
    case ControlClass::GroupBox:
        As<QGroupBox>(w, s)->setTitle(text);
        break;
    case ControlClass::RadioButton:
    case ControlClass::CheckBox: {
        auto* b = s.cls == ControlClass::CheckBox
                      ? static_cast<QAbstractButton*>(As<QCheckBox>(w, s))
                      : As<QRadioButton>(w, s);
        b->setText(text);
        b->setChecked(s.value != 0);
        break;
    }
    case ControlClass::PushButton:
        As<QPushButton>(w, s)->setText(text);
        break;
    case ControlClass::TextField: {
        auto* f = As<QLineEdit>(w, s);
        f->setText(text);
        f->setReadOnly(s.readOnly);
        f->setAlignment(align);
        f->setAutoFillBackground(true);
        if (s.fieldStyle == FieldStyle::ReadOut) {
            f->setFrame(false);
            SetPalette(f, QPalette::Base, RGB(216, 216, 216));
            f->setAttribute(Qt::WA_MacShowFocusRect, false);
        } else {
            SetPalette(f, QPalette::Base, RGB(255, 255, 255));
        }
        SetPalette(f, QPalette::Text, s.textColor);
        f->setCursorPosition(0);
        break;
    }
    case ControlClass::Label: {
        auto* l = As<Label>(w, s);
        // A label's lines are separated by CR (or CR LF), which the toolkit shows as blanks.
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        l->setText(shown);
        l->setWordWrap(s.multiline);
        l->setAlignment((s.multiline ? Qt::AlignTop : Qt::AlignVCenter) |
                        (s.textAlignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft));
        l->setTextInteractionFlags(Qt::NoTextInteraction);
        if (*s.fontName || s.fontSize > 0 || s.underline) {
            QFont font = *s.fontName ? QFont(QString::fromUtf8(s.fontName)) : l->font();
            if (s.fontSize > 0)
                font.setPixelSize(static_cast<int>(s.fontSize));
            font.setUnderline(s.underline);
            l->setFont(font);
        }
        SetPalette(l, QPalette::WindowText, s.textColor);
        break;
    }
    case ControlClass::Slider: {
        auto* sl = As<QSlider>(w, s);
        // The range first, so that the value is kept as given.
        sl->setRange(s.minimum, s.maximum);
        sl->setValue(s.value);
        sl->setSingleStep(1);
        sl->setPageStep(s.pageStep);
        sl->setTracking(true);
        sl->setTickPosition(s.tickMarkStyle == 2 ? QSlider::TicksAbove : QSlider::NoTicks);
        if (s.tickMarkStyle == 2)
            sl->setTickInterval(1);
        break;
    }
    }

    // Positions are window coordinates; the parent control knows its own.
    QWidget* parent = w->parentWidget();
    const int originLeft = parent == content_ ? 0 : parent->property("windowLeft").toInt();
    const int originTop = parent == content_ ? 0 : parent->property("windowTop").toInt();
    w->setGeometry(s.left - originLeft, s.top - originTop, s.width, s.height);
    w->setProperty("windowLeft", s.left);
    w->setProperty("windowTop", s.top);
    w->setProperty("tabIndex", s.tabIndex);
    w->show();
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
