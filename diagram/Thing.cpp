#include "Thing.h"

#include "Scales.h"
#include "State.h"
#include "framework/Graphics.h"
#include "framework/Numbers.h"

namespace varnel {

using fw::Round;
using fw::ToInt32;

void Thing::Draw(fw::Graphics& g) const {
    if (!isVisible)
        return;
    if (position != 0 && position != 1)
        return; // no end points to draw

    const std::int32_t ox = originX, oy = originY, T = timeValue, L = length;
    const double k = Contraction(beta);
    const double q = beta / k;

    g.PenWidth(2.0);
    g.ForeColor(cl);

    // The viewpoint's now-line at time T is level, at Y.
    const std::int32_t Y = ToInt32(oy - Round(T * k));
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t sx1 = 0, sy1 = 0, sx2 = 0, sy2 = 0;

    if (index == viewpoint) {
        // The viewpoint's own rod: on its now-line, the reference end on its time axis.
        const double w = Round(T * beta);
        y1 = y2 = Y;
        if (position == 0) {
            x1 = ToInt32((ox - L) - w);
            x2 = ToInt32(ox - w);
        } else {
            x1 = ToInt32(ox - w);
            x2 = ToInt32((ox + L) - w);
        }
        g.DrawLine(x1, y1, x2, y2);
        g.PenWidth(1.0);

        if (hasTrace) {
            // The far end's worldline, parallel to the viewpoint's time axis.
            const double ex = position == 0 ? x1 : x2;
            const double ey = position == 0 ? y1 : y2;
            const double a = Round(-1000.0 * beta);
            const double b = Round(1000.0 * k);
            g.DrawLine(ex + a, ey - b, ex - a, ey + b);
        }
        if (!hasShadow)
            return;

        // The rod as the other frame sees it at one instant, m long, then dropped onto the
        // other frame's space axis.
        const double m = L * k;
        if (position == 0) {
            x1 = ToInt32(x2 - Round(m * k));
            y1 = ToInt32(y2 + Round(m * beta));
        } else {
            x2 = ToInt32(x1 + Round(m * k));
            y2 = ToInt32(y1 - Round(m * beta));
        }
        sx1 = x1;
        sy1 = ToInt32(Y + Round(T * k - (x1 - ox) * q));
        sx2 = x2;
        sy2 = ToInt32(Y + Round(T * k - (x2 - ox) * q));
    } else {
        // The other frame's rod: along its tilted space direction, the reference end where
        // its upright time axis meets the viewpoint's now-line.
        if (position == 0) {
            x2 = ox;
            y2 = Y;
            x1 = ToInt32(x2 - Round(L * k));
            y1 = ToInt32(y2 + Round(L * beta));
        } else {
            x1 = ox;
            y1 = Y;
            x2 = ToInt32(x1 + Round(L * k));
            y2 = ToInt32(y1 - Round(L * beta));
        }
        g.DrawLine(x1, y1, x2, y2);
        g.PenWidth(1.0);

        if (hasTrace) {
            g.DrawLine(x1, 0, x1, canvasHeight);
            if (position == 1)
                g.DrawLine(x2, 0, x2, canvasHeight);
        }
        if (!hasShadow)
            return;

        // The rod as the viewpoint measures it, on the level now-line, carried parallel to
        // the viewpoint's time axis onto its space axis.
        const double m = L * k;
        const std::int32_t s = ToInt32(ox + Round(T * beta));
        if (position == 0) {
            x1 = ToInt32(x2 - Round(m));
            y1 = y2;
            sx2 = s;
            sx1 = ToInt32(sx2 - Round(m));
        } else {
            x2 = ToInt32(x1 + Round(m));
            y2 = y1;
            sx1 = s;
            sx2 = ToInt32(sx1 + Round(m));
        }
        sy1 = sy2 = oy;
    }

    g.DrawLine(x1, y1, sx1, sy1);
    g.DrawLine(x2, y2, sx2, sy2);
    g.DrawLine(x2, y2, x1, y1);
    g.PenWidth(2.0);
    g.DrawLine(sx1, sy1, sx2, sy2);
}

} // namespace varnel
