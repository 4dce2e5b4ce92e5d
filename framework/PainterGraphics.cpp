#include "PainterGraphics.h"

#include "QtColor.h"

#include <QApplication>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include <cmath>

namespace fw {

namespace {

// Liang-Barsky: clips the segment to the square [-r, r]^2; false when nothing is left.
bool ClipToSquare(double& x1, double& y1, double& x2, double& y2, double r) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    double t0 = 0.0, t1 = 1.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 + r, r - x1, y1 + r, r - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1)
                return false;
            if (t > t0)
                t0 = t;
        } else {
            if (t < t0)
                return false;
            if (t < t1)
                t1 = t;
        }
    }
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    const double bx = x1 + t1 * dx, by = y1 + t1 * dy;
    x1 = ax;
    y1 = ay;
    x2 = bx;
    y2 = by;
    return true;
}

} // namespace

PainterGraphics::PainterGraphics(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBrush(Qt::NoBrush);
    StateChanged();
}

void PainterGraphics::StateChanged() {
    QPen pen(ToQColor(ForeColor()));
    pen.setWidthF(PenWidth() > 0 ? PenWidth() : 1.0);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);

    // Building a font costs far more than a pen: only when the font or its size changed.
    if (fontSet_ && TextFont() == fontName_ && TextSize() == fontSize_)
        return;
    fontSet_ = true;
    fontName_ = TextFont();
    fontSize_ = TextSize();
    QFont font =
        fontName_ == "System" ? QApplication::font() : QFont(QString::fromStdString(fontName_));
    font.setStyleHint(QFont::SansSerif);
    const double size = std::isfinite(fontSize_) ? fontSize_ : 12.0;
    font.setPixelSize(size >= 1.0 ? static_cast<int>(std::lround(std::fmin(size, 1000.0))) : 12);
    painter_.setFont(font);
}

// A line of odd width centred on whole coordinates would straddle two pixel rows; moving it
// by half a pixel keeps one-pixel lines sharp.
double PainterGraphics::LineOffset() const {
    const double w = PenWidth();
    return std::fmod(std::round(w), 2.0) == 1.0 && std::round(w) == w ? 0.5 : 0.0;
}

void PainterGraphics::DrawLine(double x1, double y1, double x2, double y2) {
    if (!ClipToSquare(x1, y1, x2, y2, farAway))
        return;
    const double o = LineOffset();
    painter_.drawLine(QLineF(x1 + o, y1 + o, x2 + o, y2 + o));
}

void PainterGraphics::DrawOval(double x, double y, double width, double height) {
    if (!(std::fabs(x) < farAway && std::fabs(y) < farAway && std::fabs(width) < farAway &&
          std::fabs(height) < farAway))
        return;
    const double o = LineOffset();
    painter_.drawEllipse(QRectF(x + o, y + o, width, height));
}

void PainterGraphics::DrawString(const std::string& text, double x, double y, double, bool) {
    if (!(std::fabs(x) < farAway && std::fabs(y) < farAway))
        return;
    painter_.drawText(QPointF(x, y), QString::fromStdString(text));
}

void PainterGraphics::FillRect(double x, double y, double width, double height) {
    if (!(std::fabs(x) < farAway && std::fabs(y) < farAway && std::fabs(width) < farAway &&
          std::fabs(height) < farAway))
        return;
    painter_.fillRect(QRectF(x, y, width, height), ToQColor(ForeColor()));
}

} // namespace fw
