#include "Controls.h"

#include "Numbers.h"
#include "PainterGraphics.h"
#include "QtColor.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>

#include <cmath>
#include <stdexcept>

namespace fw {

void SetMouseCursor(QWidget* control, Cursor cursor) {
    switch (cursor) {
    case Cursor::StandardPointer:
        control->setCursor(Qt::ArrowCursor);
        break;
    case Cursor::HandOpen:
        control->setCursor(Qt::OpenHandCursor);
        break;
    case Cursor::FingerPointer:
        control->setCursor(Qt::PointingHandCursor);
        break;
    }
}

Cursor MouseCursor(const QWidget* control) {
    switch (control->cursor().shape()) {
    case Qt::OpenHandCursor:
        return Cursor::HandOpen;
    case Qt::PointingHandCursor:
        return Cursor::FingerPointer;
    default:
        return Cursor::StandardPointer;
    }
}

namespace {

int PixelOf(double v) { return ToInt32(std::floor(v)); }

template <class H> H Take(Handler& handler, QWidget* control, Event event) {
    if (auto* h = std::get_if<H>(&handler))
        return std::move(*h);
    throw std::invalid_argument("handler does not fit event " +
                                std::to_string(static_cast<int>(event)) + " of " +
                                control->objectName().toStdString());
}

[[noreturn]] void NoSuchEvent(QWidget* control, Event event) {
    throw std::invalid_argument("control " + control->objectName().toStdString() +
                                " raises no event " + std::to_string(static_cast<int>(event)));
}

} // namespace

void AddEventHandler(QWidget* control, Event event, Handler handler) {
    auto* mouse = dynamic_cast<MouseEvents*>(control);
    switch (event) {
    case Event::Action:
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            auto h = Take<PlainHandler>(handler, control, event);
            QObject::connect(button, &QAbstractButton::clicked, button,
                             [button, h = std::move(h)](bool) { h(button); });
            return;
        }
        break;
    case Event::ValueChanged:
        if (auto* slider = qobject_cast<QSlider*>(control)) {
            auto h = Take<PlainHandler>(handler, control, event);
            QObject::connect(slider, &QSlider::valueChanged, slider,
                             [slider, h = std::move(h)](int) { h(slider); });
            return;
        }
        break;
    case Event::TextChange:
        if (auto* field = qobject_cast<QLineEdit*>(control)) {
            auto h = Take<PlainHandler>(handler, control, event);
            QObject::connect(field, &QLineEdit::textChanged, field,
                             [field, h = std::move(h)](const QString&) { h(field); });
            return;
        }
        break;
    case Event::MouseDown:
        if (mouse) {
            mouse->onMouseDown = Take<MouseDownHandler>(handler, control, event);
            return;
        }
        break;
    case Event::MouseDrag:
    case Event::MouseUp:
    case Event::MouseMove:
        if (mouse) {
            MouseHandler& slot = event == Event::MouseDrag ? mouse->onMouseDrag
                                 : event == Event::MouseUp ? mouse->onMouseUp
                                                           : mouse->onMouseMove;
            slot = Take<MouseHandler>(handler, control, event);
            if (event == Event::MouseMove)
                control->setMouseTracking(true);
            return;
        }
        break;
    case Event::MouseEnter:
    case Event::MouseExit:
        if (mouse) {
            PlainHandler& slot =
                event == Event::MouseEnter ? mouse->onMouseEnter : mouse->onMouseExit;
            slot = Take<PlainHandler>(handler, control, event);
            return;
        }
        break;
    case Event::Paint:
        if (auto* canvas = dynamic_cast<Canvas*>(control)) {
            canvas->onPaint = Take<PaintHandler>(handler, control, event);
            return;
        }
        break;
    }
    NoSuchEvent(control, event);
}

void MouseEvents::Press(QWidget* self, QMouseEvent* e) {
    if (tracking_)
        return; // a second button during a press belongs to that press
    const int x = PixelOf(e->position().x()), y = PixelOf(e->position().y());
    tracking_ = onMouseDown && onMouseDown(self, x, y);
}

void MouseEvents::Move(QWidget* self, QMouseEvent* e) {
    const int x = PixelOf(e->position().x()), y = PixelOf(e->position().y());
    if (tracking_ && e->buttons() == Qt::NoButton) {
        // The release went elsewhere (a dialog opened during the press): the press has ended.
        tracking_ = false;
        if (onMouseUp)
            onMouseUp(self, x, y);
        return;
    }
    if (tracking_) {
        if (onMouseDrag)
            onMouseDrag(self, x, y);
    } else if (e->buttons() == Qt::NoButton && onMouseMove) {
        onMouseMove(self, x, y);
    }
}

void MouseEvents::Release(QWidget* self, QMouseEvent* e) {
    if (!tracking_ || e->buttons() != Qt::NoButton)
        return;
    tracking_ = false;
    if (onMouseUp)
        onMouseUp(self, PixelOf(e->position().x()), PixelOf(e->position().y()));
}

void MouseEvents::Enter(QWidget* self) {
    if (onMouseEnter)
        onMouseEnter(self);
}

void MouseEvents::Leave(QWidget* self) {
    if (onMouseExit)
        onMouseExit(self);
}

Canvas::Canvas(QWidget* parent) : QWidget(parent) {}

void Canvas::SetBackdrop(const QImage& picture) {
    backdrop_ = picture;
    update();
}

void Canvas::Refresh() {
    ++refreshCount_;
    update();
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!backdrop_.isNull())
        painter.drawImage(QPointF(0, 0), backdrop_);
    if (onPaint) {
        PainterGraphics g(painter);
        onPaint(this, g);
    }
}

Label::Label(QWidget* parent) : QLabel(parent) {}

Rectangle::Rectangle(QWidget* parent) : QFrame(parent) {}

void Rectangle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(fillColor));
    const int b = std::max(0, static_cast<int>(std::lround(borderThickness)));
    if (b == 0)
        return;
    const QColor tl = ToQColor(topLeftColor), br = ToQColor(bottomRightColor);
    painter.fillRect(0, 0, width(), b, tl);
    painter.fillRect(0, 0, b, height(), tl);
    painter.fillRect(0, height() - b, width(), b, br);
    painter.fillRect(width() - b, 0, b, height(), br);
}

} // namespace fw
