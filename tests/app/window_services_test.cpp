// What every window does for its controls, seen from a small window of our own: the focus
// goes through each parent's controls by their tab indices, into a group box where the box
// stands; and a fault in the program (a parent the window lacks, a handler or event a control
// cannot take, layout values of another class, a page that cannot be painted on) stops the
// program with a message that names it, since no exception may leave a Qt event handler.
#include "AppTestSupport.h"

#include "framework/Controls.h"
#include "framework/Printing.h"
#include "framework/Window.h"

#include <QApplication>
#include <QPrinter>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace varnel::test {
namespace {

using fw::ControlClass;
using fw::Event;

// clang-format off
constexpr fw::ControlLayout At(const char* name, ControlClass cls, const char* parent, int left,
                               int top, int width, int height, int tabIndex) {
    return {.name = name, .cls = cls, .parent = parent, .left = left, .top = top,
            .width = width, .height = height, .tabIndex = tabIndex};
}
// clang-format on

// Created in another order than their tab indices, on the window and inside the box alike;
// the box stands between the window's controls, and a control created after it comes before
// it. The label takes no focus.
// Name, class, parent, left, top, width, height, tab index.
// clang-format off
constexpr fw::ControlLayout kControls[] = {
    At("WindowButton", ControlClass::PushButton, "",    220, 200,  80,  26, 3),
    At("WindowField",  ControlClass::TextField,  "",     10,  10, 120,  22, 0),
    At("Box",          ControlClass::GroupBox,   "",     10,  50, 200, 130, 2),
    At("BoxSlider",    ControlClass::Slider,     "Box",  20, 140, 150,  16, 2),
    At("BoxCheck",     ControlClass::CheckBox,   "Box",  20,  75, 150,  20, 0),
    At("BoxField",     ControlClass::TextField,  "Box",  20, 105, 150,  22, 1),
    At("WindowCheck",  ControlClass::CheckBox,   "",     10, 200, 150,  20, 1),
    At("Caption",      ControlClass::Label,      "",    150,  10, 100,  20, 4),
};
// clang-format on

class SmallWindow : public fw::Window {
public:
    static constexpr const char* className = "SmallWindow.SmallWindow";
    SmallWindow() : fw::Window(className) {}

    // A handler of each shape, for hookups that do not fit.
    void OnPlain(QWidget*) {}
    bool OnMouseDown(QWidget*, int, int) { return true; }
    void OnPaint(QWidget*, fw::Graphics&) {}

protected:
    void Layout() override { ApplyLayout({.width = 320, .height = 240, .title = "small"}); }
    void CreateControls() override {
        for (const fw::ControlLayout& control : kControls)
            NewControl(control);
    }
};

class WindowServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAllWindows();
        window = fw::Window::New<SmallWindow>();
    }
    void TearDown() override { CloseAllWindows(); }

    SmallWindow* window = nullptr;
};

class WindowFaultsDeathTest : public WindowServicesTest {
    const ThreadsafeDeathTests style_;
};

// Attaches one hookup to its control, as a window's table does.
void Attach(SmallWindow& w, const fw::Hookup<SmallWindow>& hookup) {
    const fw::Hookup<SmallWindow> table[] = {hookup};
    w.AttachHandlers(&w, hookup.control, table);
}

} // namespace

TEST_F(WindowServicesTest, TabWalksEachParentsControlsByTabIndex) {
    // By tab index within each parent, the box's controls where the box stands; then round
    // to the first again.
    const std::vector<std::string> chain = {"WindowField", "WindowCheck",  "BoxCheck",   "BoxField",
                                            "BoxSlider",   "WindowButton", "WindowField"};
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(TabWalk(window->ControlByName("WindowField"), chain.size()), chain);
}

TEST_F(WindowFaultsDeathTest, AFaultInBuildingOrHookingUpAControlStopsTheProgram) {
    struct Row {
        const char* name;
        void (*fault)(SmallWindow&);
        const char* message; // a regular expression
    };
    const Row rows[] = {
        {"a parent the window does not have",
         [](SmallWindow& w) {
             w.NewControl({.name = "Orphan", .cls = ControlClass::Label, .parent = "NoSuchBox"});
         },
         "control Orphan: no parent NoSuchBox"},
        {"a mouse-down handler for a field's text change",
         [](SmallWindow& w) {
             Attach(w, {"WindowField", Event::TextChange, &SmallWindow::OnMouseDown});
         },
         "handler for event TextChange of control WindowField has the wrong shape: "
         "bool\\(QWidget\\*, int, int\\), not void\\(QWidget\\*\\)"},
        {"a plain handler for a label's mouse-down",
         [](SmallWindow& w) { Attach(w, {"Caption", Event::MouseDown, &SmallWindow::OnPlain}); },
         "handler for event MouseDown of control Caption has the wrong shape: "
         "void\\(QWidget\\*\\), not bool\\(QWidget\\*, int, int\\)"},
        {"a paint handler on a text field",
         [](SmallWindow& w) { Attach(w, {"WindowField", Event::Paint, &SmallWindow::OnPaint}); },
         "control WindowField \\(a QLineEdit\\) raises no event Paint"},
        {"a mouse-down handler on a push button",
         [](SmallWindow& w) {
             Attach(w, {"WindowButton", Event::MouseDown, &SmallWindow::OnMouseDown});
         },
         "control WindowButton \\(a QPushButton\\) raises no event MouseDown"},
        {"slider values for a text field",
         [](SmallWindow& w) {
             w.ApplyControlValues(w.ControlByName("WindowField"),
                                  {.name = "WindowField", .cls = ControlClass::Slider});
         },
         "control WindowField is a QLineEdit, not a QSlider as its layout values say"},
        {"text field values for a label",
         [](SmallWindow& w) {
             w.ApplyControlValues(w.ControlByName("Caption"),
                                  {.name = "Caption", .cls = ControlClass::TextField});
         },
         "control Caption is a fw::Label, not a QLineEdit as its layout values say"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_DEATH(row.fault(*window), row.message);
    }
}

TEST(PrinterPageDeathTest, TheSurfaceOfAPageThatDidNotBeginStopsTheProgram) {
    const ThreadsafeDeathTests style;
    struct Row {
        const char* name;
        std::unique_ptr<QPrinter> (*printer)();
    };
    const Row rows[] = {
        {"no printer", [] { return std::unique_ptr<QPrinter>(); }},
        {"a PDF file whose folder is a file",
         [] {
             auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
             printer->setOutputFormat(QPrinter::PdfFormat);
             printer->setOutputFileName(QCoreApplication::applicationFilePath() + "/page.pdf");
             return printer;
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fw::PrinterPage page(row.printer());
        ASSERT_FALSE(page.IsActive());
        EXPECT_DEATH(page.Surface(), "printing did not begin");
    }
}

} // namespace varnel::test
