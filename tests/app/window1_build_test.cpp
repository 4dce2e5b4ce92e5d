// Building the main window: its 52 controls with every layout value, the order in which they
// and the window's hooks come, the window's own values, and how Window1Instance finds it.
#include "AppTestSupport.h"

#include "framework/Controls.h"
#include "framework/Window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <string>
#include <vector>

namespace varnel::test {

namespace {

enum class Kind {
    Rectangle,
    Canvas,
    GroupBox,
    RadioButton,
    EntryField,   // white, with a frame, editable, left-aligned
    ReadOutField, // light grey, without frame, editable, left-aligned
    TimeDisplay,  // read-out look, but read-only and centred
    Label,
    Slider,
    CheckBox,
    PushButton,
};

struct SliderValues {
    int value = 0, minimum = 0, maximum = 0, pageStep = 0;
    QSlider::TickPosition ticks = QSlider::NoTicks;
};

struct ControlRow {
    const char* name;
    QWidget* (*accessor)(const Window1&);
    Kind kind;
    const char* parent; // "" for the window
    int left, top, width, height;
    int tab;
    const char* text;
    bool chosen = false; // radio button selected, check box ticked
    SliderValues slider{};
};

// The control's name and its accessor on the window.
#define CONTROL(n) #n, [](const Window1& w) -> QWidget* { return w.n(); }

constexpr auto kTicks = QSlider::TicksAbove;

// The main window's controls in the order the window creates them; positions are relative
// to the window's content area, also inside the boxes.
// clang-format off
const ControlRow kControls[] = {
    {CONTROL(Rectangle1), Kind::Rectangle, "", 20, 20, 663, 583, 0, ""},
    {CONTROL(Canvas1), Kind::Canvas, "Rectangle1", 33, 35, 636, 553, 0, ""},
    {CONTROL(GroupBox1), Kind::GroupBox, "", 703, 19, 171, 48, 1, "we think with"},
    {CONTROL(RadioButton1), Kind::RadioButton, "GroupBox1", 717, 42, 61, 20, 0, "black", true},
    {CONTROL(RadioButton2), Kind::RadioButton, "GroupBox1", 796, 42, 46, 20, 1, "red", false},
    {CONTROL(GroupBox2), Kind::GroupBox, "", 702, 79, 171, 84, 2, "relative speed"},
    {CONTROL(EditField2), Kind::EntryField, "GroupBox2", 775, 107, 80, 22, 0, "0.6"},
    {CONTROL(StaticText1), Kind::Label, "GroupBox2", 731, 108, 32, 20, 1, "v/c"},
    {CONTROL(SpeedSlider), Kind::Slider, "GroupBox2", 718, 138, 131, 16, 2, "", false,
     {32, 1, 39, 1, QSlider::NoTicks}},
    {CONTROL(GroupBox3), Kind::GroupBox, "", 687, 175, 171, 60, 3, "units"},
    {CONTROL(UnitSlider), Kind::Slider, "GroupBox3", 703, 209, 131, 16, 0, "", false,
     {3, 0, 9, 1, kTicks}},
    {CONTROL(GroupBox4), Kind::GroupBox, "", 703, 257, 171, 162, 4, "black object"},
    {CONTROL(StaticText2), Kind::Label, "GroupBox4", 719, 283, 56, 20, 0, "Position"},
    {CONTROL(BlackPosSlider), Kind::Slider, "GroupBox4", 796, 289, 41, 16, 1, "", false,
     {1, 0, 1, 1, kTicks}},
    {CONTROL(StaticText4), Kind::Label, "GroupBox4", 719, 311, 45, 20, 2, "Length"},
    {CONTROL(BlackLengthSlider), Kind::Slider, "GroupBox4", 772, 317, 84, 16, 3, "", false,
     {6, 1, 12, 1, kTicks}},
    {CONTROL(CheckBox1), Kind::CheckBox, "GroupBox4", 719, 339, 100, 20, 4, "is visible"},
    {CONTROL(CheckBox2), Kind::CheckBox, "GroupBox4", 719, 364, 100, 20, 5, "has Trace"},
    {CONTROL(CheckBox3), Kind::CheckBox, "GroupBox4", 719, 390, 100, 20, 6, "has Shadow"},
    {CONTROL(GroupBox5), Kind::GroupBox, "", 703, 441, 171, 162, 5, "red object"},
    {CONTROL(StaticText3), Kind::Label, "GroupBox5", 719, 467, 56, 20, 0, "Position"},
    {CONTROL(RedPosSlider), Kind::Slider, "GroupBox5", 796, 473, 41, 16, 1, "", false,
     {0, 0, 1, 1, kTicks}},
    {CONTROL(StaticText5), Kind::Label, "GroupBox5", 719, 491, 45, 20, 2, "Length"},
    {CONTROL(RedLengthSlider), Kind::Slider, "GroupBox5", 776, 499, 84, 16, 3, "", false,
     {6, 1, 12, 1, kTicks}},
    {CONTROL(CheckBox4), Kind::CheckBox, "GroupBox5", 719, 523, 100, 20, 4, "is visible"},
    {CONTROL(CheckBox5), Kind::CheckBox, "GroupBox5", 719, 575, 100, 20, 5, "has Shadow"},
    {CONTROL(CheckBox6), Kind::CheckBox, "GroupBox5", 719, 549, 100, 20, 6, "has Trace"},
    {CONTROL(GroupBox6), Kind::GroupBox, "", 620, 618, 254, 98, 6, "the time"},
    {CONTROL(TimeSlider), Kind::Slider, "GroupBox6", 636, 649, 224, 16, 0, "", false,
     {572, 0, 1000, 24, QSlider::NoTicks}},
    {CONTROL(PushButton1), Kind::PushButton, "GroupBox6", 636, 677, 59, 20, 1, "back"},
    {CONTROL(PushButton2), Kind::PushButton, "GroupBox6", 806, 677, 59, 20, 2, "ahead"},
    {CONTROL(EditField14), Kind::TimeDisplay, "GroupBox6", 715, 677, 73, 20, 3, "10.00 ns"},
    {CONTROL(GroupBox7), Kind::GroupBox, "", 20, 618, 275, 143, 7, "black says"},
    {CONTROL(StaticText7), Kind::Label, "GroupBox7", 32, 645, 157, 20, 0,
     "all my clocks read then"},
    {CONTROL(StaticText8), Kind::Label, "GroupBox7", 32, 674, 134, 20, 1, "my event position"},
    {CONTROL(StaticText9), Kind::Label, "GroupBox7", 32, 702, 181, 20, 2,
     "that red clock there reads"},
    {CONTROL(StaticText10), Kind::Label, "GroupBox7", 32, 730, 167, 20, 3,
     "red's event position"},
    {CONTROL(EditField10), Kind::ReadOutField, "GroupBox7", 218, 646, 68, 20, 4, ""},
    {CONTROL(EditField11), Kind::ReadOutField, "GroupBox7", 218, 673, 68, 20, 5, ""},
    {CONTROL(EditField12), Kind::ReadOutField, "GroupBox7", 218, 702, 68, 20, 6, ""},
    {CONTROL(EditField13), Kind::ReadOutField, "GroupBox7", 218, 730, 68, 20, 7, ""},
    {CONTROL(GroupBox8), Kind::GroupBox, "", 320, 618, 275, 143, 8, "red says"},
    {CONTROL(StaticText11), Kind::Label, "GroupBox8", 334, 702, 167, 20, 0,
     "all my clocks read then"},
    {CONTROL(EditField6), Kind::ReadOutField, "GroupBox8", 513, 644, 68, 20, 1, ""},
    {CONTROL(StaticText12), Kind::Label, "GroupBox8", 334, 730, 134, 20, 2, "my event position"},
    {CONTROL(StaticText13), Kind::Label, "GroupBox8", 334, 646, 175, 20, 3,
     "that black clock there reads"},
    {CONTROL(StaticText14), Kind::Label, "GroupBox8", 334, 673, 175, 20, 4,
     "black's event position"},
    {CONTROL(EditField7), Kind::ReadOutField, "GroupBox8", 513, 672, 68, 20, 5, ""},
    {CONTROL(EditField8), Kind::ReadOutField, "GroupBox8", 513, 701, 68, 20, 6, ""},
    {CONTROL(EditField9), Kind::ReadOutField, "GroupBox8", 513, 730, 68, 19, 7, ""},
    {CONTROL(PushButton3), Kind::PushButton, "", 787, 735, 86, 26, 9, "Quit"},
    {CONTROL(CheckBox7), Kind::CheckBox, "", 620, 738, 126, 20, 10, "show light cone"},
};
// clang-format on

#undef CONTROL

bool IsOfKind(QWidget* w, Kind kind) {
    switch (kind) {
    case Kind::Rectangle:
        return dynamic_cast<fw::Rectangle*>(w) != nullptr;
    case Kind::Canvas:
        return dynamic_cast<fw::Canvas*>(w) != nullptr;
    case Kind::GroupBox:
        return qobject_cast<QGroupBox*>(w) != nullptr;
    case Kind::RadioButton:
        return qobject_cast<QRadioButton*>(w) != nullptr;
    case Kind::EntryField:
    case Kind::ReadOutField:
    case Kind::TimeDisplay:
        return qobject_cast<QLineEdit*>(w) != nullptr;
    case Kind::Label:
        return dynamic_cast<fw::Label*>(w) != nullptr;
    case Kind::Slider:
        return qobject_cast<QSlider*>(w) != nullptr;
    case Kind::CheckBox:
        return qobject_cast<QCheckBox*>(w) != nullptr;
    case Kind::PushButton:
        return qobject_cast<QPushButton*>(w) != nullptr;
    }
    return false;
}

QString TextOf(QWidget* w) {
    if (auto* box = qobject_cast<QGroupBox*>(w))
        return box->title();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* field = qobject_cast<QLineEdit*>(w))
        return field->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    return {};
}

QColor Grey(int v) { return QColor(v, v, v); }

void ExpectFieldStyle(QLineEdit* f, Kind kind) {
    const bool entry = kind == Kind::EntryField;
    EXPECT_EQ(f->hasFrame(), entry);
    EXPECT_EQ(f->palette().color(QPalette::Base), entry ? Grey(255) : Grey(216));
    EXPECT_EQ(f->palette().color(QPalette::Text), Grey(0));
    EXPECT_EQ(f->testAttribute(Qt::WA_MacShowFocusRect), entry) << "focus ring";
    EXPECT_EQ(f->isReadOnly(), kind == Kind::TimeDisplay);
    EXPECT_EQ(f->alignment() & Qt::AlignHorizontal_Mask,
              kind == Kind::TimeDisplay ? Qt::AlignHCenter : Qt::AlignLeft);
    EXPECT_FALSE(f->echoMode() == QLineEdit::Password);
}

void ExpectKindValues(QWidget* w, const ControlRow& row) {
    switch (row.kind) {
    case Kind::Rectangle: {
        auto* r = dynamic_cast<fw::Rectangle*>(w);
        EXPECT_EQ(r->fillColor, fw::RGB(255, 255, 255));
        EXPECT_EQ(r->topLeftColor, fw::RGB(0, 0, 0));
        EXPECT_EQ(r->bottomRightColor, fw::RGB(0, 0, 0));
        EXPECT_EQ(r->borderThickness, 1.0);
        break;
    }
    case Kind::Canvas:
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << "the canvas takes no focus";
        break;
    case Kind::RadioButton:
    case Kind::CheckBox:
        EXPECT_EQ(qobject_cast<QAbstractButton*>(w)->isChecked(), row.chosen);
        break;
    case Kind::EntryField:
    case Kind::ReadOutField:
    case Kind::TimeDisplay:
        ExpectFieldStyle(qobject_cast<QLineEdit*>(w), row.kind);
        break;
    case Kind::Label: {
        auto* l = qobject_cast<QLabel*>(w);
        EXPECT_FALSE(l->wordWrap());
        EXPECT_EQ(l->textInteractionFlags(), Qt::NoTextInteraction) << "not selectable";
        EXPECT_EQ(l->palette().color(QPalette::WindowText), Grey(0));
        break;
    }
    case Kind::Slider: {
        auto* s = qobject_cast<QSlider*>(w);
        EXPECT_EQ(s->value(), row.slider.value);
        EXPECT_EQ(s->minimum(), row.slider.minimum);
        EXPECT_EQ(s->maximum(), row.slider.maximum);
        EXPECT_EQ(s->pageStep(), row.slider.pageStep);
        EXPECT_EQ(s->singleStep(), 1);
        EXPECT_TRUE(s->hasTracking()) << "live scrolling";
        EXPECT_EQ(s->tickPosition(), row.slider.ticks);
        break;
    }
    case Kind::GroupBox:
    case Kind::PushButton:
        break;
    }
}

// Records every widget added to a parent anywhere in the program, in the order added.
class CreationRecorder : public QObject {
public:
    CreationRecorder() { qApp->installEventFilter(this); }
    ~CreationRecorder() override { qApp->removeEventFilter(this); }

    std::vector<QObject*> added;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(e)->child();
            if (child->isWidgetType())
                added.push_back(child);
        }
        return false;
    }
};

std::vector<std::string> ControlNames() {
    std::vector<std::string> names;
    for (const ControlRow& row : kControls)
        names.push_back(row.name);
    return names;
}

int OpenMainWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (dynamic_cast<Window1*>(w) && w->isVisible())
            ++n;
    return n;
}

} // namespace

using Window1BuildTest = MainWindowTest;

TEST_F(Window1BuildTest, EveryControlHasItsLayoutValues) {
    ASSERT_EQ(std::size(kControls), 52u);
    QWidget* content = window->Content();
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        QWidget* w = window->ControlByName(row.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(row.accessor(*window), w) << "the accessor returns the control of its name";
        EXPECT_EQ(w->objectName(), row.name);
        EXPECT_TRUE(IsOfKind(w, row.kind));

        QWidget* parent = w->parentWidget();
        if (*row.parent)
            EXPECT_EQ(parent->objectName(), row.parent);
        else
            EXPECT_EQ(parent, content);

        EXPECT_EQ(w->mapTo(content, QPoint(0, 0)), QPoint(row.left, row.top));
        EXPECT_EQ(w->size(), QSize(row.width, row.height));
        EXPECT_EQ(w->property("tabIndex"), QVariant(row.tab));
        EXPECT_EQ(TextOf(w), row.text);
        EXPECT_TRUE(w->isEnabled());
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->toolTip().isEmpty());
        // Every control lies inside its parent, and the window's inside the content area.
        EXPECT_TRUE(parent->rect().contains(w->geometry()))
            << "geometry " << w->geometry().x() << "," << w->geometry().y();
        ExpectKindValues(w, row);
    }
}

// Asking for a control as a class it is not is a fault in the program, never a null to
// stumble over later: it stops the program with a message that names the control and both
// classes. A name that no control has gives null.
TEST_F(Window1BuildTest, ControlOfAnotherClassFailsLoudly) {
    const ThreadsafeDeathTests style;
    EXPECT_DEATH(window->Control<QSlider>("Canvas1"),
                 "control Canvas1 is a fw::Canvas, not a QSlider");
    EXPECT_DEATH(window->Control<QLineEdit>("SpeedSlider"),
                 "control SpeedSlider is a QSlider, not a QLineEdit");
    EXPECT_EQ(window->Control<QSlider>("NoSuchControl"), nullptr);
    EXPECT_EQ(window->Control<QSlider>("SpeedSlider"), window->SpeedSlider());
}

TEST_F(Window1BuildTest, ControlsAreCreatedInTableOrder) {
    CloseAllWindows();
    SetModuleStartValues();
    CreationRecorder recorder;
    window = Window1Instance();
    ASSERT_NE(window, nullptr);

    std::vector<std::string> created;
    for (QObject* o : recorder.added) {
        auto* w = static_cast<QWidget*>(o);
        if (window->isAncestorOf(w) && w->property("tabIndex").isValid())
            created.push_back(w->objectName().toStdString());
    }
    EXPECT_EQ(created, ControlNames());
}

TEST_F(Window1BuildTest, TabbingFollowsTheTabOrderWithinEachParent) {
    // Boxes in their order on the window, each box's controls in its own order, so in the
    // "red object" box "has Shadow" (CheckBox5) comes before "has Trace" (CheckBox6) although
    // it lies below; labels, boxes and the canvas take no focus.
    const std::vector<std::string> chain = {
        "RadioButton1",   "RadioButton2",      "EditField2",  "SpeedSlider", "UnitSlider",
        "BlackPosSlider", "BlackLengthSlider", "CheckBox1",   "CheckBox2",   "CheckBox3",
        "RedPosSlider",   "RedLengthSlider",   "CheckBox4",   "CheckBox5",   "CheckBox6",
        "TimeSlider",     "PushButton1",       "PushButton2", "EditField14", "EditField10",
        "EditField11",    "EditField12",       "EditField13", "EditField6",  "EditField7",
        "EditField8",     "EditField9",        "PushButton3", "CheckBox7"};

    std::vector<std::string> inChain;
    QWidget* first = window->RadioButton1();
    QWidget* w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            inChain.push_back(w->objectName().toStdString());
        w = w->nextInFocusChain();
    } while (w != first && inChain.size() <= chain.size());
    EXPECT_EQ(inChain, chain);

    // Pressing Tab follows the chain; of the two radio buttons only the chosen one is a tab
    // stop, the other is reached with the arrow keys.
    std::vector<std::string> pressed = chain;
    std::erase(pressed, "RadioButton2");
    pressed.push_back("RadioButton1");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(TabWalk(window->RadioButton1(), pressed.size()), pressed);
}

TEST_F(Window1BuildTest, ReadOutFieldsTakeTypingAndTheTimeDisplayDoesNot) {
    struct Row {
        const char* name;
        QLineEdit* (Window1::*field)() const;
        QString after;
    };
    const Row rows[] = {
        {"black's first read-out", &Window1::EditField10, "12x"},
        {"red's last read-out", &Window1::EditField9, "12x"},
        {"time display", &Window1::EditField14, "10.00 ns"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QLineEdit* field = (window->*row.field)();
        field->setFocus();
        QTest::keyClicks(field, "12x");
        EXPECT_EQ(field->text(), row.after);
    }
    EXPECT_EQ(window->RefreshCount(), 0) << "nothing reacts to the typing";
}

TEST_F(Window1BuildTest, BuildingRunsNoHandler) {
    // A handler run on the start text "0.6" would have set the slider to 31.
    EXPECT_EQ(beta, 0.6);
    EXPECT_EQ(window->SpeedSlider()->value(), 32);
    EXPECT_EQ(window->EditField2()->text(), "0.6");
    EXPECT_EQ(window->TimeSlider()->value(), 572);
    EXPECT_EQ(window->EditField14()->text(), "10.00 ns");
    EXPECT_EQ(timeValue, 72);
    EXPECT_EQ(unitSetting, 3);
    EXPECT_EQ(viewpoint, 0);
    EXPECT_FALSE(isUpdating);
    EXPECT_EQ(window->RefreshCount(), 0);
    EXPECT_EQ(window->Canvas1()->RefreshCount(), 0);
}

TEST_F(Window1BuildTest, StartValuesOfTheStateAgreeWithTheControls) {
    struct Row {
        const char* name;
        double fromControls;
        double state;
    };
    const Row rows[] = {
        {"viewpoint from the radio buttons",
         window->RadioButton2()->isChecked() && !window->RadioButton1()->isChecked() ? 1.0 : 0.0,
         static_cast<double>(viewpoint)},
        {"beta from the speed slider", window->SpeedSlider()->value() / 20.0 - 1.0, beta},
        {"beta from the speed field", window->EditField2()->text().toDouble(), beta},
        {"unit setting from the unit slider", static_cast<double>(window->UnitSlider()->value()),
         static_cast<double>(unitSetting)},
        {"time from the time slider", window->TimeSlider()->value() - 500.0,
         static_cast<double>(timeValue)},
        {"time display: 72 px are one unit of 10 ns",
         window->EditField14()->text().section(' ', 0, 0).toDouble(),
         timeValue / 72.0 * timeFactor},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_DOUBLE_EQ(row.fromControls, row.state);
    }
    EXPECT_EQ(window->EditField14()->text().toStdString(), "10.00" + timeUnit);
}

// The window's hooks, seen from a window that logs them.
class HookLogWindow : public fw::Window {
public:
    static constexpr const char* className = "HookLogWindow.HookLogWindow";
    HookLogWindow() : fw::Window(className) {}

    std::vector<std::string> hooks;
    bool foundInOpen = false;
    bool controlBeforeMenuHandlers = false;
    bool handedItself = false;
    bool shownBeforeOpen = true;

protected:
    void Layout() override {
        hooks.push_back("Layout");
        ApplyLayout({.width = 200, .height = 100, .title = "hooks"});
    }
    void CreateControls() override {
        hooks.push_back("CreateControls");
        NewControl({.name = "Field",
                    .cls = fw::ControlClass::TextField,
                    .left = 10,
                    .top = 10,
                    .width = 80,
                    .height = 22});
    }
    void AddMenuHandlers(fw::Window* w) override {
        hooks.push_back("AddMenuHandlers");
        handedItself = w == this;
        controlBeforeMenuHandlers = ControlByName("Field") != nullptr;
    }
    void Open() override {
        hooks.push_back("Open");
        foundInOpen = ImplicitWindow(className) == this;
        shownBeforeOpen = isVisible();
    }
};

TEST(WindowHooks, RunInOrderAndOpenFindsTheWindowBeingBuilt) {
    CloseAllWindows();
    auto* w = fw::Window::New<HookLogWindow>();
    EXPECT_EQ(w->hooks,
              (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
    EXPECT_TRUE(w->foundInOpen);
    EXPECT_TRUE(w->handedItself);
    EXPECT_TRUE(w->controlBeforeMenuHandlers);
    EXPECT_FALSE(w->shownBeforeOpen) << "Open comes before the window is on screen";
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(fw::Window::ImplicitWindow(HookLogWindow::className), w);
    w->close();
    EXPECT_EQ(fw::Window::ImplicitWindow(HookLogWindow::className), nullptr);
    CloseAllWindows();
}

TEST_F(Window1BuildTest, WindowHasItsOwnLayoutValues) {
    EXPECT_EQ(window->windowTitle(), "Varnel Diagram");
    EXPECT_EQ(window->Content()->size(), QSize(894, 781));
    EXPECT_EQ(window->Content()->minimumSize(), QSize(894, 781));
    EXPECT_EQ(window->Content()->maximumSize(), QSize(894, 781));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window cannot be resized";
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());

    const QSize before = window->size();
    window->resize(before + QSize(120, 80));
    EXPECT_EQ(window->size(), before);
    EXPECT_EQ(window->Content()->size(), QSize(894, 781));

    struct Row {
        const char* name;
        Qt::WindowType flag;
        bool set;
    };
    const Row rows[] = {
        {"a window of its own", Qt::Window, true},
        {"only the buttons asked for", Qt::CustomizeWindowHint, true},
        {"title bar", Qt::WindowTitleHint, true},
        {"close button", Qt::WindowCloseButtonHint, true},
        {"minimise button", Qt::WindowMinimizeButtonHint, true},
        {"no maximise button", Qt::WindowMaximizeButtonHint, false},
        {"no full-screen button", Qt::WindowFullscreenButtonHint, false},
    };
    const Qt::WindowFlags flags = window->windowFlags();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(flags.testFlag(row.flag), row.set);
    }
}

TEST_F(Window1BuildTest, OpeningBuildsOneWindowAndInitDiagramFindsIt) {
    // Open runs InitDiagram, which reads the canvas through Window1Instance: a second build
    // there would leave two windows.
    EXPECT_EQ(OpenMainWindows(), 1);
    EXPECT_EQ(canvasWidth, 636);
    EXPECT_EQ(canvasHeight, 553);
    EXPECT_NE(blackSystem, nullptr);
    EXPECT_NE(redObject, nullptr);

    EXPECT_EQ(Window1Instance(), window);
    EXPECT_EQ(Window1Instance(), window);
    EXPECT_EQ(fw::Window::ImplicitWindow(Window1::className), window);
    EXPECT_EQ(OpenMainWindows(), 1);

    struct Row {
        const char* name;
        const char* item;
    };
    const Row rows[] = {
        {"about", "aboutItem"}, {"page setup", "FilePageSetup"}, {"print", "FilePrint"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(window->HasMenuHandler(row.item));
    }
}

TEST_F(Window1BuildTest, OpeningEndsAMarkedEventAndAnOriginDrag) {
    // Flags left set from before: InitDiagram clears them while the window opens.
    CloseAllWindows();
    SetModuleStartValues();
    eventMarked = true;
    draggingOrigin = true;
    window = Window1Instance();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(eventMarked);
    EXPECT_FALSE(draggingOrigin);
}

TEST_F(Window1BuildTest, AfterClosingWindow1InstanceBuildsANewWindow) {
    window->CheckBox7()->setChecked(true);
    window->close();
    EXPECT_EQ(fw::Window::ImplicitWindow(Window1::className), nullptr)
        << "a closed window is no longer found";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    window = Window1Instance();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(OpenMainWindows(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->CheckBox7()->isChecked()) << "a new window, with its start values";
    EXPECT_EQ(Window1Instance(), window);
}

} // namespace varnel::test
