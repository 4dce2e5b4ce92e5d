#pragma once

#include "Color.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <string>
#include <typeinfo>
#include <variant>

namespace fw {

class Graphics;

// The mouse cursors a control can show.
enum class Cursor { StandardPointer, HandOpen, FingerPointer };
void SetMouseCursor(QWidget* control, Cursor cursor);
Cursor MouseCursor(const QWidget* control);

// The events a control raises to the program's handlers.
enum class Event {
    Action,       // a button, radio button or check box was clicked
    ValueChanged, // a slider's value changed, also when set from code
    TextChange,   // a text field's text changed, also when set from code
    MouseDown,
    MouseDrag,
    MouseUp,
    MouseMove,
    MouseEnter,
    MouseExit,
    Paint,
    Count, // not an event: the number of those above, which new events join
};
inline constexpr std::size_t eventCount = static_cast<std::size_t>(Event::Count);

using PlainHandler = std::function<void(QWidget*)>;
using MouseDownHandler = std::function<bool(QWidget*, int, int)>;
using MouseHandler = std::function<void(QWidget*, int, int)>;
using PaintHandler = std::function<void(QWidget*, Graphics&)>;
using Handler = std::variant<PlainHandler, MouseDownHandler, MouseHandler, PaintHandler>;

// Attaches a handler to one event of a control; from then on the control calls it whenever
// the event occurs. A control that does not raise the event, or a handler whose kind does not
// fit it, is a fault in the program: it stops the program with a message that names the
// control and the event (qFatal), as no exception may leave a Qt event handler.
void AddEventHandler(QWidget* control, Event event, Handler handler);

// Mouse events of the canvas and the label. A press whose MouseDown handler returns true is
// followed by that press's MouseDrag and MouseUp, also where the pointer leaves the control;
// a further button pressed while it is held belongs to it. Without a button held, moving
// raises MouseMove.
//
// A press's release can go elsewhere, for instance when a dialog takes the mouse during the
// press. Such a press ends at the next move without a button, which raises its MouseUp, or at
// the next press with no other button held, which forgets it without a MouseUp and raises
// its own MouseDown.
class MouseEvents {
public:
    MouseDownHandler onMouseDown;
    MouseHandler onMouseDrag, onMouseUp, onMouseMove;
    PlainHandler onMouseEnter, onMouseExit;

protected:
    void Press(QWidget* self, QMouseEvent* e);
    void Move(QWidget* self, QMouseEvent* e);
    void Release(QWidget* self, QMouseEvent* e);
    void Enter(QWidget* self);
    void Leave(QWidget* self);

private:
    bool tracking_ = false;
};

// The classes of control a window can create.
enum class ControlClass {
    Rectangle,
    Canvas,
    GroupBox,
    RadioButton,
    TextField,
    Label,
    Slider,
    CheckBox,
    PushButton
};

// The look of a text field.
enum class FieldStyle {
    Entry,  // white, with a border and a focus ring
    ReadOut // light grey, without border or focus ring
};

// One control's layout values. Left and top are window coordinates (of the content area),
// also for controls inside a group box; parent is the name of the containing control, empty
// for the window itself. Text is the caption of buttons, boxes and check boxes and the text of
// labels and fields.
struct ControlLayout {
    const char* name = "";
    ControlClass cls = ControlClass::Label;
    const char* parent = "";
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = 0;
    const char* text = "";
    // Sliders: value and range; radio buttons and check boxes: value 1 is chosen.
    int value = 0, minimum = 0, maximum = 0;
    int pageStep = 1;
    int tickMarkStyle = 0; // 0 none, 2 above the groove
    FieldStyle fieldStyle = FieldStyle::Entry;
    bool readOnly = false;
    int textAlignment = 0; // 0 left, 2 centred
    // Labels: shown over several lines, in their own font (empty: the interface font).
    bool multiline = false;
    const char* fontName = "";
    double fontSize = 0;
    bool underline = false;
    Color textColor{};
};

// Makes a control of the class its layout values name, inside `parent` and named as the
// values say, with none of its other values yet.
QWidget* MakeControl(const ControlLayout& values, QWidget* parent);
// Gives a control made by MakeControl the rest of its layout values and shows it. The values'
// positions are window coordinates, counted from `content`, the window's content area. Values
// for a class of control other than the control's own are a fault in the program: they stop
// the program with a message that names the control and both classes (qFatal).
void SetControlValues(QWidget* control, const ControlLayout& values, const QWidget* content);

// The C++ name of a type, such as "QSlider" or "fw::Canvas", for the messages of faults.
std::string TypeName(const std::type_info& type);

// Sets one colour role of the widget's palette.
void SetPalette(QWidget* widget, QPalette::ColorRole role, Color c);

// A drawing area: raises Paint with a Graphics over the widget, and the mouse events. An
// optional backdrop picture is drawn at the top-left, unscaled, before Paint.
class Canvas : public QWidget, public MouseEvents {
public:
    explicit Canvas(QWidget* parent = nullptr);

    PaintHandler onPaint;

    void SetBackdrop(const QImage& picture);
    const QImage& Backdrop() const { return backdrop_; }

    // Asks for a repaint of the canvas alone; counted, so tests can tell what refreshed.
    void Refresh();
    int RefreshCount() const { return refreshCount_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override { Press(this, e); }
    void mouseMoveEvent(QMouseEvent* e) override { Move(this, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Release(this, e); }
    void enterEvent(QEnterEvent*) override { Enter(this); }
    void leaveEvent(QEvent*) override { Leave(this); }

private:
    QImage backdrop_;
    int refreshCount_ = 0;
};

// A text label that raises the mouse events.
class Label : public QLabel, public MouseEvents {
public:
    explicit Label(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* e) override { Press(this, e); }
    void mouseMoveEvent(QMouseEvent* e) override { Move(this, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Release(this, e); }
    void enterEvent(QEnterEvent*) override { Enter(this); }
    void leaveEvent(QEvent*) override { Leave(this); }
};

// A framed rectangle: a border of its own thickness and colours around a fill.
class Rectangle : public QFrame {
public:
    explicit Rectangle(QWidget* parent = nullptr);

    Color fillColor = RGB(255, 255, 255);
    Color topLeftColor{};
    Color bottomRightColor{};
    double borderThickness = 1.0;

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace fw
