#include "app/Window1.h"

#include "diagram/Diagram.h"
#include "diagram/Scales.h"

#include <array>
#include <string_view>

namespace varnel {

namespace {

using fw::ControlClass;
using fw::ControlLayout;
using fw::Event;
using fw::FieldStyle;

constexpr fw::WindowLayout windowLayout{
    .width = 894,
    .height = 781,
    .minimumWidth = 64,
    .minimumHeight = 64,
    .maximumWidth = 32000,
    .maximumHeight = 32000,
    .type = 0,
    .title = "Varnel Diagram",
    .hasCloseButton = true,
    .hasMaximizeButton = false,
    .hasMinimizeButton = true,
    .hasFullScreenButton = false,
    .resizeable = false,
    .composite = false,
    .macProcID = 0,
    .fullScreen = false,
    .defaultLocation = 2,
    .visible = true,
    .hasBackgroundColor = false,
    .backgroundColor = fw::RGB(255, 255, 255),
    .menuBarVisible = true,
    .liveResize = true,
};

constexpr ControlClass Rect = ControlClass::Rectangle, Canvas = ControlClass::Canvas,
                       Group = ControlClass::GroupBox, Radio = ControlClass::RadioButton,
                       Field = ControlClass::TextField, Label = ControlClass::Label,
                       Slider = ControlClass::Slider, Check = ControlClass::CheckBox,
                       Button = ControlClass::PushButton;

// The builders of the control table's rows keep their fields in columns.
// clang-format off
// A slider: value, range, page step, tick marks (0 none, 2 above).
constexpr ControlLayout S(const char* name, const char* parent, int left, int top, int width,
                          int tab, int value, int minimum, int maximum, int pageStep, int ticks) {
    return {.name = name, .cls = Slider, .parent = parent, .left = left, .top = top,
            .width = width, .height = 16, .tabIndex = tab, .value = value,
            .minimum = minimum, .maximum = maximum, .pageStep = pageStep,
            .tickMarkStyle = ticks};
}
// Any other control: class, place, size, tab index, text.
constexpr ControlLayout C(const char* name, ControlClass cls, const char* parent, int left,
                          int top, int width, int height, int tab, const char* text = "",
                          int value = 0) {
    return {.name = name, .cls = cls, .parent = parent, .left = left, .top = top,
            .width = width, .height = height, .tabIndex = tab, .text = text, .value = value};
}
// A light-grey read-out field without border.
constexpr ControlLayout R(const char* name, const char* parent, int left, int top, int height,
                          int tab, const char* text = "", bool readOnly = false,
                          int alignment = 0, int width = 68) {
    return {.name = name, .cls = Field, .parent = parent, .left = left, .top = top,
            .width = width, .height = height, .tabIndex = tab, .text = text,
            .fieldStyle = FieldStyle::ReadOut, .readOnly = readOnly,
            .textAlignment = alignment};
}
// clang-format on

// The 52 controls in creation order; positions are window coordinates.
constexpr std::array<ControlLayout, 52> controls{{
    C("Rectangle1", Rect, "", 20, 20, 663, 583, 0),
    C("Canvas1", Canvas, "Rectangle1", 33, 35, 636, 553, 0),
    C("GroupBox1", Group, "", 703, 19, 171, 48, 1, "we think with"),
    C("RadioButton1", Radio, "GroupBox1", 717, 42, 61, 20, 0, "black", 1),
    C("RadioButton2", Radio, "GroupBox1", 796, 42, 46, 20, 1, "red", 0),
    C("GroupBox2", Group, "", 702, 79, 171, 84, 2, "relative speed"),
    C("EditField2", Field, "GroupBox2", 775, 107, 80, 22, 0, "0.6"),
    C("StaticText1", Label, "GroupBox2", 731, 108, 32, 20, 1, "v/c"),
    S("SpeedSlider", "GroupBox2", 718, 138, 131, 2, 32, 1, 39, 1, 0),
    C("GroupBox3", Group, "", 687, 175, 171, 60, 3, "units"),
    S("UnitSlider", "GroupBox3", 703, 209, 131, 0, 3, 0, 9, 1, 2),
    C("GroupBox4", Group, "", 703, 257, 171, 162, 4, "black object"),
    C("StaticText2", Label, "GroupBox4", 719, 283, 56, 20, 0, "Position"),
    S("BlackPosSlider", "GroupBox4", 796, 289, 41, 1, 1, 0, 1, 1, 2),
    C("StaticText4", Label, "GroupBox4", 719, 311, 45, 20, 2, "Length"),
    S("BlackLengthSlider", "GroupBox4", 772, 317, 84, 3, 6, 1, 12, 1, 2),
    C("CheckBox1", Check, "GroupBox4", 719, 339, 100, 20, 4, "is visible"),
    C("CheckBox2", Check, "GroupBox4", 719, 364, 100, 20, 5, "has Trace"),
    C("CheckBox3", Check, "GroupBox4", 719, 390, 100, 20, 6, "has Shadow"),
    C("GroupBox5", Group, "", 703, 441, 171, 162, 5, "red object"),
    C("StaticText3", Label, "GroupBox5", 719, 467, 56, 20, 0, "Position"),
    S("RedPosSlider", "GroupBox5", 796, 473, 41, 1, 0, 0, 1, 1, 2),
    C("StaticText5", Label, "GroupBox5", 719, 491, 45, 20, 2, "Length"),
    S("RedLengthSlider", "GroupBox5", 776, 499, 84, 3, 6, 1, 12, 1, 2),
    C("CheckBox4", Check, "GroupBox5", 719, 523, 100, 20, 4, "is visible"),
    C("CheckBox5", Check, "GroupBox5", 719, 575, 100, 20, 5, "has Shadow"),
    C("CheckBox6", Check, "GroupBox5", 719, 549, 100, 20, 6, "has Trace"),
    C("GroupBox6", Group, "", 620, 618, 254, 98, 6, "the time"),
    S("TimeSlider", "GroupBox6", 636, 649, 224, 0, 572, 0, 1000, 24, 0),
    C("PushButton1", Button, "GroupBox6", 636, 677, 59, 20, 1, "back"),
    C("PushButton2", Button, "GroupBox6", 806, 677, 59, 20, 2, "ahead"),
    R("EditField14", "GroupBox6", 715, 677, 20, 3, "10.00 ns", true, 2, 73),
    C("GroupBox7", Group, "", 20, 618, 275, 143, 7, "black says"),
    C("StaticText7", Label, "GroupBox7", 32, 645, 157, 20, 0, "all my clocks read then"),
    C("StaticText8", Label, "GroupBox7", 32, 674, 134, 20, 1, "my event position"),
    C("StaticText9", Label, "GroupBox7", 32, 702, 181, 20, 2, "that red clock there reads"),
    C("StaticText10", Label, "GroupBox7", 32, 730, 167, 20, 3, "red's event position"),
    R("EditField10", "GroupBox7", 218, 646, 20, 4),
    R("EditField11", "GroupBox7", 218, 673, 20, 5),
    R("EditField12", "GroupBox7", 218, 702, 20, 6),
    R("EditField13", "GroupBox7", 218, 730, 20, 7),
    C("GroupBox8", Group, "", 320, 618, 275, 143, 8, "red says"),
    C("StaticText11", Label, "GroupBox8", 334, 702, 167, 20, 0, "all my clocks read then"),
    R("EditField6", "GroupBox8", 513, 644, 20, 1),
    C("StaticText12", Label, "GroupBox8", 334, 730, 134, 20, 2, "my event position"),
    C("StaticText13", Label, "GroupBox8", 334, 646, 175, 20, 3, "that black clock there reads"),
    C("StaticText14", Label, "GroupBox8", 334, 673, 175, 20, 4, "black's event position"),
    R("EditField7", "GroupBox8", 513, 672, 20, 5),
    R("EditField8", "GroupBox8", 513, 701, 20, 6),
    R("EditField9", "GroupBox8", 513, 730, 19, 7),
    C("PushButton3", Button, "", 787, 735, 86, 26, 9, "Quit"),
    C("CheckBox7", Check, "", 620, 738, 126, 20, 10, "show light cone"),
}};

// The row of the control of that name; a name not in the table does not compile.
constexpr const ControlLayout& Row(std::string_view name) {
    std::size_t i = 0;
    while (i < controls.size() && name != controls[i].name)
        ++i;
    return controls.at(i);
}

// The sliders' ranges and start values that the diagram's scales and start values assume.
static_assert(Row("SpeedSlider").minimum == speedKnobFirst &&
                  Row("SpeedSlider").maximum == speedKnobLast,
              "the speed slider's range is the one SpeedOfKnob and KnobOfSpeed assume");
static_assert(Row("TimeSlider").minimum == 0 && Row("TimeSlider").maximum == 2 * timeSliderZero,
              "the time slider's middle is the time 0");
static_assert(Row("TimeSlider").value == timeSliderZero + startTime,
              "the time slider starts at the start time");
static_assert(Row("BlackLengthSlider").value * rodLengthStep == rodStartLength &&
                  Row("RedLengthSlider").value * rodLengthStep == rodStartLength,
              "the length sliders start at the rods' start length");

// The 25 event hookups, in the order they are attached.
const fw::Hookup<Window1> hookups[] = {
    {"Canvas1", Event::MouseUp, &Window1::Canvas1_MouseUp},
    {"Canvas1", Event::MouseDown, &Window1::Canvas1_MouseDown},
    {"Canvas1", Event::MouseDrag, &Window1::Canvas1_MouseDrag},
    {"Canvas1", Event::MouseMove, &Window1::Canvas1_MouseMove},
    {"Canvas1", Event::Paint, &Window1::Canvas1_Paint},
    {"RadioButton1", Event::Action, &Window1::RadioButton1_Action},
    {"RadioButton2", Event::Action, &Window1::RadioButton2_Action},
    {"EditField2", Event::TextChange, &Window1::EditField2_TextChange},
    {"SpeedSlider", Event::ValueChanged, &Window1::SpeedSlider_ValueChanged},
    {"UnitSlider", Event::ValueChanged, &Window1::UnitSlider_ValueChanged},
    {"BlackPosSlider", Event::ValueChanged, &Window1::BlackPosSlider_ValueChanged},
    {"BlackLengthSlider", Event::ValueChanged, &Window1::BlackLengthSlider_ValueChanged},
    {"CheckBox1", Event::Action, &Window1::CheckBox1_Action},
    {"CheckBox2", Event::Action, &Window1::CheckBox2_Action},
    {"CheckBox3", Event::Action, &Window1::CheckBox3_Action},
    {"RedPosSlider", Event::ValueChanged, &Window1::RedPosSlider_ValueChanged},
    {"RedLengthSlider", Event::ValueChanged, &Window1::RedLengthSlider_ValueChanged},
    {"CheckBox4", Event::Action, &Window1::CheckBox4_Action},
    {"CheckBox5", Event::Action, &Window1::CheckBox5_Action},
    {"CheckBox6", Event::Action, &Window1::CheckBox6_Action},
    {"TimeSlider", Event::ValueChanged, &Window1::TimeSlider_ValueChanged},
    {"PushButton1", Event::Action, &Window1::PushButton1_Action},
    {"PushButton2", Event::Action, &Window1::PushButton2_Action},
    {"PushButton3", Event::Action, &Window1::PushButton3_Action},
    {"CheckBox7", Event::Action, &Window1::CheckBox7_Action},
};

} // namespace

Window1::Window1() : fw::Window(className) {}

void Window1::Layout() { ApplyLayout(windowLayout); }

void Window1::CreateControls() {
    _CreateControls0();
    _CreateControls1();
}

void Window1::_CreateControls0() { CreateControlRange(0, 30); }

void Window1::_CreateControls1() { CreateControlRange(30, controls.size()); }

// Each control gets all its values before its handlers, so building runs no handler.
void Window1::CreateControlRange(std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
        NewControl(controls[i]);
        AttachHandlers(this, controls[i].name, hookups);
    }
}

void Window1::Event_Open() { InitDiagram(); }

Window1* Window1Instance() { return fw::Window::Instance<Window1>(); }

} // namespace varnel
