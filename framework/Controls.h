#pragma once

#include "Color.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <functional>
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
};

using PlainHandler = std::function<void(QWidget*)>;
using MouseDownHandler = std::function<bool(QWidget*, int, int)>;
using MouseHandler = std::function<void(QWidget*, int, int)>;
using PaintHandler = std::function<void(QWidget*, Graphics&)>;
using Handler = std::variant<PlainHandler, MouseDownHandler, MouseHandler, PaintHandler>;

// Attaches a handler to one event of a control; from then on the control calls it whenever
// the event occurs. Throws std::invalid_argument when the control does not raise the event
// or the handler's kind does not fit it.
void AddEventHandler(QWidget* control, Event event, Handler handler);

// Mouse events of the canvas and the label. A press whose MouseDown handler returns true is
// followed by that press's MouseDrag and MouseUp, also where the pointer leaves the control;
// without a button held, moving raises MouseMove.
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
