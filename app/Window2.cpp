#include "app/Window2.h"

#include "framework/Services.h"

#include <QtGlobal>

#include <array>

namespace varnel {

namespace {

using fw::ControlClass;
using fw::ControlLayout;
using fw::Event;

constexpr fw::WindowLayout windowLayout{
    .width = 545,
    .height = 328,
    .minimumWidth = 64,
    .minimumHeight = 64,
    .maximumWidth = 32000,
    .maximumHeight = 32000,
    .type = 0,
    .title = "about Varnel",
    .hasCloseButton = true,
    .hasMaximizeButton = false,
    .hasMinimizeButton = false,
    .hasFullScreenButton = false,
    .resizeable = false,
    .composite = false,
    .macProcID = 0,
    .fullScreen = false,
    .defaultLocation = 1,
    .visible = true,
    .hasBackgroundColor = false,
    .backgroundColor = fw::RGB(255, 255, 255),
    .menuBarVisible = true,
    .liveResize = true,
};

#if QT_POINTER_SIZE == 8
#define VARNEL_BITS "64"
#else
#define VARNEL_BITS "32"
#endif

#if defined(Q_OS_MACOS)
#define VARNEL_SYSTEM "OS X"
#elif defined(Q_OS_LINUX)
#define VARNEL_SYSTEM "Linux"
#elif defined(Q_OS_WIN)
#define VARNEL_SYSTEM "Windows"
#else
#define VARNEL_SYSTEM "Unix"
#endif

// The date this file was compiled, as shown.
std::string BuildDate() { return ShownDate(__DATE__); }

// The four controls in creation order; positions are window coordinates, also for the two
// labels inside the rectangle.
const std::array<ControlLayout, 4>& Controls() {
    static const std::array<ControlLayout, 4> controls{{
        {.name = "Rectangle1",
         .cls = ControlClass::Rectangle,
         .left = 43,
         .top = 36,
         .width = 203,
         .height = 251,
         .tabIndex = 0},
        {.name = "StaticText1",
         .cls = ControlClass::Label,
         .parent = "Rectangle1",
         .left = 55,
         .top = 43,
         .width = 152,
         .height = 83,
         .tabIndex = 0,
         .text = AboutText().c_str(),
         .textAlignment = 0,
         .multiline = true,
         .fontName = "Arial",
         .fontSize = 12.0,
         .underline = false,
         .textColor = fw::RGB(0, 0, 0)},
        {.name = "StaticText2",
         .cls = ControlClass::Label,
         .parent = "Rectangle1",
         .left = 55,
         .top = 228,
         .width = 87,
         .height = 27,
         .tabIndex = 1,
         .text = Window2::webHost,
         .textAlignment = 0,
         .multiline = false,
         .fontName = "Arial",
         .fontSize = 12.0,
         .underline = true,
         .textColor = fw::RGB(0, 64, 128)},
        {.name = "Canvas1",
         .cls = ControlClass::Canvas,
         .left = 304,
         .top = 36,
         .width = 194,
         .height = 251,
         .tabIndex = 1},
    }};
    return controls;
}

// The eight event hookups, in the order they are attached.
const fw::Hookup<Window2> hookups[] = {
    {"StaticText2", Event::MouseEnter, &Window2::StaticText2_MouseEnter},
    {"StaticText2", Event::MouseExit, &Window2::StaticText2_MouseExit},
    {"StaticText2", Event::MouseDown, &Window2::StaticText2_MouseDown},
    {"StaticText2", Event::MouseUp, &Window2::StaticText2_MouseUp},
    {"Canvas1", Event::MouseEnter, &Window2::Canvas1_MouseEnter},
    {"Canvas1", Event::MouseDown, &Window2::Canvas1_MouseDown},
    {"Canvas1", Event::MouseExit, &Window2::Canvas1_MouseExit},
    {"Canvas1", Event::MouseUp, &Window2::Canvas1_MouseUp},
};

QImage& PictureSlot() {
    static QImage slot;
    return slot;
}

} // namespace

std::string ShownDate(std::string_view compilerDate) {
    std::string shown;
    for (const char c : compilerDate)
        if (c != ' ' || shown.empty() || shown.back() != ' ')
            shown += c;
    return shown;
}

const std::string& AboutText() {
    static const std::string text =
        std::string(VARNEL_BITS " bit version 1.5    for " VARNEL_SYSTEM "\r") +
        "Qt " QT_VERSION_STR " build " + BuildDate() + "\r\r" + "The Varnel authors";
    return text;
}

Window2::Window2() : fw::Window(className) {}

void Window2::Layout() { ApplyLayout(windowLayout); }

void Window2::CreateControls() { _CreateControls0(); }

// Each control gets its values before its handlers, so building runs no handler. The
// picture's backdrop is set before the canvas's other values.
void Window2::_CreateControls0() {
    const auto& controls = Controls();

    NewControl(controls[0]);
    fw::Rectangle* frame = Rectangle1();
    frame->borderThickness = 1.0;
    frame->topLeftColor = fw::RGB(0, 0, 0);
    frame->bottomRightColor = fw::RGB(0, 0, 0);
    frame->fillColor = fw::RGB(255, 255, 255);

    NewControl(controls[1]);

    NewControl(controls[2]);
    AttachHandlers(this, "StaticText2", hookups);

    CreateControl(controls[3]);
    Canvas1()->SetBackdrop(AboutPicture());
    ApplyControlValues(Canvas1(), controls[3]);
    AttachHandlers(this, "Canvas1", hookups);
}

void Window2::StaticText2_MouseEnter(QWidget* control) {
    fw::SetMouseCursor(control, fw::Cursor::FingerPointer);
}

void Window2::StaticText2_MouseExit(QWidget* control) {
    fw::SetMouseCursor(control, fw::Cursor::StandardPointer);
}

bool Window2::StaticText2_MouseDown(QWidget*, int, int) { return true; }

// The author's web page: the label's text is its host.
void Window2::StaticText2_MouseUp(QWidget*, int, int) {
    fw::ShowURL("https://" + StaticText2()->text().toStdString());
}

void Window2::Canvas1_MouseEnter(QWidget* control) {
    fw::SetMouseCursor(control, fw::Cursor::FingerPointer);
}

bool Window2::Canvas1_MouseDown(QWidget*, int, int) { return true; }

void Window2::Canvas1_MouseExit(QWidget* control) {
    fw::SetMouseCursor(control, fw::Cursor::StandardPointer);
}

// A new mail message to the author, with nothing filled in but the address.
void Window2::Canvas1_MouseUp(QWidget*, int, int) {
    fw::ShowURL(std::string("mailto:") + mailAddress);
}

Window2* Window2Instance() { return fw::Window::Instance<Window2>(); }

QImage AboutPicture() {
    QImage& slot = PictureSlot();
    if (slot.isNull())
        slot = fw::OpenPictureFromApp("Zuva2020.jpg");
    return slot;
}

void ForgetAboutPicture() { PictureSlot() = QImage(); }

} // namespace varnel
