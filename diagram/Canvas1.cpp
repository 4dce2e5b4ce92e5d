// The main window's canvas: its paint, with the read-outs and projection lines of a marked
// event, and the mouse, which drags the origin or marks an event.
#include "app/Window1.h"

#include "diagram/Diagram.h"
#include "diagram/Scales.h"
#include "diagram/State.h"
#include "framework/Graphics.h"
#include "framework/Numbers.h"

#include <cmath>
#include <cstdint>

namespace varnel {

using fw::RGB;
using fw::Round;

namespace {

QString TimeText(double v) {
    return QString::fromStdString(fw::Format((v * timeFactor) / gridUnit, "-##.00") + timeUnit);
}

QString PositionText(double v) {
    return QString::fromStdString(fw::Format((v * spaceFactor) / gridUnit, "-##.00") + spaceUnit);
}

// A read-out wider than its field shows its start, the sign included.
void ShowReadOut(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}

// a - b of two int32 values, as a double. Taken in 64 bits, it is exact and cannot overflow
// for pointer positions far off the canvas, which arrive saturated at the int32 bounds.
double Difference(std::int32_t a, std::int32_t b) {
    return static_cast<double>(std::int64_t{a} - std::int64_t{b});
}

// The 15 x 15 pixel square about the origin.
bool OnOrigin(int x, int y) {
    return std::fabs(Difference(x, originX)) < 8.0 && std::fabs(Difference(y, originY)) < 8.0;
}

} // namespace

void Window1::Canvas1_Paint(QWidget*, fw::Graphics& g) {
    g.ForeColor(RGB(255, 255, 255));
    g.FillRect(0, 0, Canvas1()->width(), Canvas1()->height());
    DrawDiagram(g);
    if (!eventMarked)
        return;

    const double k = Contraction(beta);
    const double q = beta / k;
    const double dt = Difference(originY, eventY);
    const double dx = Difference(eventX, originX);

    // The viewpoint's frame: t = dt / k, x = dx + dt q; the other: t = dt - dx q, x = dx / k.
    double tB = 0, xB = 0, tR = 0, xR = 0;
    if (viewpoint == 0) {
        tB = dt / k;
        xB = dx + dt * q;
        tR = dt - dx * q;
        xR = dx / k;
    }
    if (viewpoint == 1) {
        tB = dt - dx * q;
        xB = dx / k;
        tR = dt / k;
        xR = dx + dt * q;
    }

    // Each copy in the other group takes the text read back from the field written before.
    ShowReadOut(EditField10(), TimeText(tB));
    ShowReadOut(EditField6(), EditField10()->text());
    ShowReadOut(EditField11(), PositionText(xB));
    ShowReadOut(EditField7(), EditField11()->text());
    ShowReadOut(EditField12(), TimeText(tR));
    ShowReadOut(EditField8(), EditField12()->text());
    ShowReadOut(EditField13(), PositionText(xR));
    ShowReadOut(EditField9(), EditField13()->text());

    // From the event to the four axes, each frame's pair in its colour, the viewpoint first.
    g.PenWidth(1.0);
    const double ex = eventX, ey = eventY, ox = originX, oy = originY;
    if (viewpoint == 0) {
        g.ForeColor(RGB(0, 0, 0));
        g.DrawLine(ex, ey, ox + Round(xB), oy);
        g.DrawLine(ex, ey, ox - Round(tB * beta), ey);
        g.ForeColor(RGB(255, 0, 0));
        g.DrawLine(ex, ey, ox, oy - Round(tR));
        g.DrawLine(ex, ey, ex, oy - Round(xR * beta));
    } else {
        g.ForeColor(RGB(255, 0, 0));
        g.DrawLine(ex, ey, ex - Round(xR), ey);
        g.DrawLine(ex, ey, ox + Round(xR), oy);
        g.ForeColor(RGB(0, 0, 0));
        g.DrawLine(ex, ey, ex, ey + Round(tB));
        g.DrawLine(ex, ey, ox, oy - Round(tB));
    }
}

bool Window1::Canvas1_MouseDown(QWidget*, int x, int y) {
    if (OnOrigin(x, y)) {
        draggingOrigin = true;
    } else {
        eventMarked = true;
        eventX = x;
        eventY = y;
        Canvas1()->Refresh();
    }
    return true;
}

// The origin follows the pointer while it stays 20 pixels inside the canvas.
void Window1::Canvas1_MouseDrag(QWidget*, int x, int y) {
    if (!draggingOrigin)
        return;
    if (20 < x && x < canvasWidth - 20 && 20 < y && y < canvasHeight - 20) {
        originX = x;
        originY = y;
        Canvas1()->Refresh();
    }
}

void Window1::Canvas1_MouseUp(QWidget*, int, int) {
    draggingOrigin = false;
    if (eventMarked) {
        eventMarked = false;
        Canvas1()->Refresh();
    }
}

void Window1::Canvas1_MouseMove(QWidget* canvas, int x, int y) {
    fw::SetMouseCursor(canvas, OnOrigin(x, y) ? fw::Cursor::HandOpen : fw::Cursor::StandardPointer);
}

} // namespace varnel
