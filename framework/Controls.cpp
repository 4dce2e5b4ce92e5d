#include "Controls.h"

#include "Numbers.h"
#include "PainterGraphics.h"
#include "QtColor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOption>
#include <QtGlobal>

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <string>

#if __has_include(<cxxabi.h>)
#include <cxxabi.h>
#endif

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

// The events' names, in the order of Event.
const char* EventName(Event event) {
    static constexpr const char* names[] = {
        "Action",  "ValueChanged", "TextChange", "MouseDown", "MouseDrag",
        "MouseUp", "MouseMove",    "MouseEnter", "MouseExit", "Paint",
    };
    static_assert(std::size(names) == eventCount, "one name for every event");
    const auto i = static_cast<std::size_t>(event);
    return i < eventCount ? names[i] : "Count (not an event)";
}

// The shapes of the handlers, in the order of Handler's alternatives.
const char* ShapeOf(const Handler& handler) {
    static constexpr const char* shapes[] = {"void(QWidget*)", "bool(QWidget*, int, int)",
                                             "void(QWidget*, int, int)",
                                             "void(QWidget*, Graphics&)"};
    static_assert(std::size(shapes) == std::variant_size_v<Handler>, "one shape for every kind");
    return shapes[handler.index()];
}

template <class H> H Take(Handler& handler, QWidget* control, Event event) {
    if (auto* h = std::get_if<H>(&handler))
        return std::move(*h);
    qFatal("handler for event %s of control %s has the wrong shape: %s, not %s", EventName(event),
           qPrintable(control->objectName()), ShapeOf(handler),
           ShapeOf(Handler(std::in_place_type<H>)));
}

[[noreturn]] void NoSuchEvent(QWidget* control, Event event) {
    qFatal("control %s (a %s) raises no event %s", qPrintable(control->objectName()),
           TypeName(typeid(*control)).c_str(), EventName(event));
}

// The control as the class its layout values are for.
template <class T> T* As(QWidget* control, const ControlLayout& values) {
    auto* typed = dynamic_cast<T*>(control);
    if (!typed)
        qFatal("control %s is a %s, not a %s as its layout values say", values.name,
               TypeName(typeid(*control)).c_str(), TypeName(typeid(T)).c_str());
    return typed;
}

// The look of a slider with tick marks above the groove: the application's style, with the
// slider's height split between the ticks at the top and the knob below them. Fusion, the
// style Qt gives the program unless a platform theme chooses another, centres the knob on the
// slider's middle row and then moves it down by the ticks' room; with its own room for the
// ticks and its own knob, the knob's lower edge falls outside a slider as low as ours. Here
// the ticks keep `tickRoom` rows and the knob is as thick as it can be while it ends on the
// slider's last row. That serves sliders 6 px high or more (ours are 16); a lower one has no
// room for a knob below the ticks and keeps the base style's knob.
class TickSliderStyle : public QProxyStyle {
public:
    // The style belongs to `owner`.
    TickSliderStyle(const QString& baseStyle, QObject* owner) : QProxyStyle(baseStyle) {
        setParent(owner);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_SliderTickmarkOffset:
            return tickRoom;
        case PM_SliderThickness: {
            const int height = option ? option->rect.height() : widget ? widget->height() : 0;
            if (const int knob = KnobThickness(height); knob > 0)
                return knob;
            break;
        }
        default:
            break;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    static constexpr int tickRoom = 3;

    // Fusion places a knob of thickness t from row (height - 1) / 2 - t / 2 + tickRoom down; it
    // ends on the last row, height - 1, when t - t / 2 rows are left below the middle row
    // after the ticks' room. The thickest such t is even. Zero where there is no room, below
    // 6 px.
    static int KnobThickness(int height) {
        const int belowMiddle = height - (height - 1) / 2 - tickRoom;
        return belowMiddle > 0 ? 2 * belowMiddle : 0;
    }
};

// One such style serves every slider with tick marks; the application owns it.
QStyle* TickSliderLook() {
    static QPointer<QStyle> look;
    if (!look)
        look = new TickSliderStyle(QApplication::style()->name(), qApp);
    return look;
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
    case Event::Count:
        break;
    }
    NoSuchEvent(control, event);
}

void MouseEvents::Press(QWidget* self, QMouseEvent* e) {
    if (tracking_ && e->buttons() != e->button())
        return; // another button pressed while the first is held belongs to that press
    // With no other button held, a press still open has lost its release (a dialog took the
    // mouse): it is forgotten without its MouseUp, and this press starts afresh.
    tracking_ = false;
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

std::string TypeName(const std::type_info& type) {
#if __has_include(<cxxabi.h>)
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    if (status == 0 && name)
        return name.get();
#endif
    return type.name();
}

void SetPalette(QWidget* w, QPalette::ColorRole role, Color c) {
    QPalette p = w->palette();
    p.setColor(role, ToQColor(c));
    w->setPalette(p);
}

QWidget* MakeControl(const ControlLayout& s, QWidget* parent) {
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

void SetControlValues(QWidget* w, const ControlLayout& s, const QWidget* content) {
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
        if (s.tickMarkStyle == 2) {
            sl->setTickInterval(1);
            sl->setStyle(TickSliderLook());
        }
        break;
    }
    }

    // Positions are window coordinates; the parent control knows its own.
    QWidget* parent = w->parentWidget();
    const int originLeft = parent == content ? 0 : parent->property("windowLeft").toInt();
    const int originTop = parent == content ? 0 : parent->property("windowTop").toInt();
    w->setGeometry(s.left - originLeft, s.top - originTop, s.width, s.height);
    w->setProperty("windowLeft", s.left);
    w->setProperty("windowTop", s.top);
    w->setProperty("tabIndex", s.tabIndex);
    w->show();
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
